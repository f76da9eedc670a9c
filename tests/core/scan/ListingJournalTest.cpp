#include "core/platform/CMemoryFileSystem.h"
#include "core/scan/CListingJournal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Listed {
    bool listable = false;
    std::vector<DirEntry> entries;
    bool failed = false;
};

Listed ListAll(IFileSystem& fs, std::u16string_view folder) {
    Listed out;
    auto listing = fs.List(folder);
    if (!listing) return out;
    out.listable = true;
    DirEntry e;
    while (listing->Next(e)) out.entries.push_back(e);
    out.failed = listing->Failed();
    return out;
}

void ExpectSame(const Listed& a, const Listed& b) {
    ASSERT_EQ(a.listable, b.listable);
    ASSERT_EQ(a.failed, b.failed);
    ASSERT_EQ(a.entries.size(), b.entries.size());
    for (size_t i = 0; i < a.entries.size(); ++i) {
        const DirEntry &x = a.entries[i], &y = b.entries[i];
        ASSERT_EQ(x.name, y.name) << i;
        ASSERT_EQ(x.attributes, y.attributes) << i;
        ASSERT_EQ(x.sizeHigh, y.sizeHigh) << i;
        ASSERT_EQ(x.sizeLow, y.sizeLow) << i;
        ASSERT_EQ(x.id, y.id) << i;
    }
}

} // namespace

// Several megabytes of entries of every name length, so that entries and names straddle the
// journal's chunks at every kind of offset; a folder that cannot be listed, one whose listing
// breaks off, and listings without ids are played back as they were.
TEST(ListingJournal, PlaysBackEveryListingAsTheFileSystemGaveIt) {
    CMemoryFileSystem disk;
    for (int i = 0; i < 12000; ++i)
        disk.AddFile(u"Z:\\big\\" +
                         std::u16string(1 + i % 200, static_cast<char16_t>(u'a' + i % 26)) +
                         std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"_" +
                         std::u16string(1, static_cast<char16_t>(0x4e00 + i)),
                     std::string(static_cast<size_t>(i % 7), 'x'));
    disk.AddFolder(u"Z:\\big\\sub");
    disk.AddFolder(u"Z:\\locked")->unlistable = true;
    disk.AddFile(u"Z:\\broken\\1", "1");
    disk.AddFile(u"Z:\\broken\\2", "2");
    disk.Find(u"Z:\\broken")->failListingAfter = 3;
    const std::vector<std::u16string> folders = {u"Z:\\big\\", u"Z:\\locked\\", u"Z:\\broken\\",
                                                 u"Z:\\big\\sub\\", u"Z:\\missing\\"};

    std::vector<Listed> direct;
    for (const auto& f : folders) direct.push_back(ListAll(disk, f));
    ASSERT_TRUE(direct[2].failed);

    IFileSystem* slot = &disk;
    CListingJournal journal(slot);
    ASSERT_EQ(slot, &journal);
    for (size_t i = 0; i < folders.size(); ++i) ExpectSame(ListAll(journal, folders[i]), direct[i]);
    disk.idsKnown = false; // nothing the file system says now reaches the playback
    disk.Remove(u"Z:\\big\\sub");
    const int listings = disk.listings;
    journal.StartPlayback();
    for (size_t i = 0; i < folders.size(); ++i) ExpectSame(ListAll(journal, folders[i]), direct[i]);
    EXPECT_EQ(disk.listings, listings);
    EXPECT_TRUE(journal.IsPlayingBack());
}

// A walk that asks for the folders in another order, or breaks off a listing half-way while
// it is kept, gets the file system's own listings from there on.
TEST(ListingJournal, GivesWayToTheFileSystemOnceTheWalksPartWays) {
    CMemoryFileSystem disk;
    disk.AddFile(u"Z:\\a\\1", "1");
    disk.AddFile(u"Z:\\b\\2", "2");
    IFileSystem* slot = &disk;
    {
        CListingJournal journal(slot);
        ListAll(journal, u"Z:\\a\\");
        ListAll(journal, u"Z:\\b\\");
        journal.StartPlayback();
        disk.AddFile(u"Z:\\a\\3", "3");
        EXPECT_EQ(ListAll(journal, u"Z:\\b\\").entries.size(), 3u); // ".", ".." and 2
        EXPECT_FALSE(journal.IsPlayingBack());
        EXPECT_EQ(ListAll(journal, u"Z:\\a\\").entries.size(), 4u); // afresh: 1 and 3
    }
    ASSERT_EQ(slot, &disk);
    CListingJournal journal(slot);
    DirEntry first;
    journal.List(u"Z:\\a\\")->Next(first); // and the walk stops
    journal.StartPlayback();
    EXPECT_FALSE(journal.IsPlayingBack());
    disk.AddFile(u"Z:\\a\\4", "4");
    EXPECT_EQ(ListAll(journal, u"Z:\\a\\").entries.size(), 5u);
}
