// A listed name is the file that is read: names no path can reach are not there, and an open
// that reaches another file than the listing named, or no file on a disk, is a failed open.
#include "core/dupes/DuplicateEngine.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

using Node = CMemoryFileSystem::Node;

class ListedFiles : public DuplicateEngine {
protected:
    // Any name at all, even one the memory file system's paths cannot spell.
    void AddEntry(std::u16string_view folder, std::u16string name, std::shared_ptr<Node> node) {
        disk.Find(folder)->children.push_back({std::move(name), std::move(node)});
    }
    std::shared_ptr<Node> Device(std::u16string_view path, std::string reads) {
        auto node = disk.AddFile(path, std::move(reads));
        node->device = true;
        return node;
    }
    // Rows, the total and the duplicate count of a search by each criterion.
    std::vector<Rows> SearchEachWay() {
        std::vector<Rows> all;
        for (int criterion : {0, 1, 2}) {
            Settings(criterion, true);
            all.push_back(Search());
            all.back().emplace_back(Field(ScanField::kTotal), Field(ScanField::kDuplicates));
        }
        return all;
    }
};

TEST_F(ListedFiles, NamesNoPathCanReachChangeNoRowAndAreNeverOpened) {
    auto y = disk.AddFile(u"Z:\\s\\y", "same");
    disk.AddFile(u"Z:\\s\\z", "same");
    disk.AddFile(u"Z:\\s\\empty", "");
    disk.AddFile(u"Z:\\s\\sub\\w", "other");
    AddSource(u"Z:\\s");
    const std::vector<Rows> plain = SearchEachWay();

    // As Wine lists a Linux folder: aliases of y with ids of their own, devices, a folder
    // whose path lists another, names with characters no path may hold.
    for (const char16_t* alias : {u"Z:\\s\\y.", u"Z:\\s\\y ", u"Z:\\s\\sub\\Y. "})
        disk.AddAlias(alias, y);
    AddEntry(u"Z:\\s", u".\\y", y);
    AddEntry(u"Z:\\s", u"back\\slash.txt", disk.AddFile(u"Z:\\unseen\\1", "same"));
    AddEntry(u"Z:\\s", u"ctl\x01", disk.AddFile(u"Z:\\unseen\\2", "same"));
    Device(u"Z:\\s\\aux.log", "same");
    Device(u"Z:\\s\\nul.txt", "");
    Device(u"Z:\\s\\NUL.dat", "");
    Device(u"Z:\\s\\sub\\com\u00B9.txt", "other");
    disk.AddAlias(u"Z:\\s\\sub.", disk.Find(u"Z:\\s\\sub"));
    disk.AddFile(u"Z:\\s\\lpt1\\inside.txt", "same");
    disk.opened.clear();
    EXPECT_EQ(SearchEachWay(), plain);
    for (const std::u16string& path : disk.opened)
        EXPECT_TRUE(path == u"Z:\\s\\y" || path == u"Z:\\s\\z") << Utf8FromUtf16(path);
}

// Names the walk keeps, whose opens reach something else: another file than the listing named
// (swapped since, or an alias the platform made), or a device.
TEST_F(ListedFiles, AnOpenThatReachesAnotherFileOrADeviceIsAFailedOpen) {
    disk.AddFile(u"Z:\\s\\a", "same");
    disk.AddFile(u"Z:\\s\\b", "same");
    disk.AddAlias(u"Z:\\s\\alias", disk.AddFile(u"Z:\\elsewhere\\t", "same"));
    Device(u"Z:\\s\\port", "same");
    AddSource(u"Z:\\s");
    Settings(0, false);
    settings.groupingLimits = CContentGrouper::Limits{1, 1 << 20};
    for (int pairwise : {0, 1}) {
        settings.pairwiseContent = pairwise;
        EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\a", u"Z:\\s\\b"}})) << pairwise;
    }
}

// Where the listing tells no identities, two names of one file can each be opened once the
// other is closed; they are still never in one group. A second name stays out of the rows as
// when the listing tells identities, while the pairwise pass, which never has both names open,
// finds the second names to be copies of each other.
TEST_F(ListedFiles, TwoNamesOfOneFileAreNeverGroupedWhateverTheOpenBound) {
    auto first = disk.AddFile(u"Z:\\s\\a1", "same");
    disk.AddName(u"Z:\\s\\a2", first);
    for (const char16_t* path : {u"Z:\\s\\a3", u"Z:\\s\\a4", u"Z:\\s\\a5"})
        disk.AddFile(path, "same");
    disk.AddName(u"Z:\\s\\a6", disk.Find(u"Z:\\s\\a4"));
    AddSource(u"Z:\\s");
    Settings(0, false);
    Rows expected = {
        {u"Z:\\s\\a1", u"Z:\\s\\a3"}, {u"Z:\\s\\a1", u"Z:\\s\\a4"}, {u"Z:\\s\\a1", u"Z:\\s\\a5"}};
    EXPECT_EQ(Search(), expected);
    disk.idsKnown = false;
    for (size_t bound : {1, 2, 3, 256}) {
        settings.groupingLimits = CContentGrouper::Limits{bound, 1 << 20};
        EXPECT_EQ(Search(), expected) << bound;
    }
    settings.pairwiseContent = 1;
    expected.emplace_back(u"Z:\\s\\a2", u"Z:\\s\\a6");
    EXPECT_EQ(Search(), expected);
}

// A group too large to stay open closes its files between chunks; a file written to before it
// is opened again would be compared in parts of two different contents, so it drops out.
TEST_F(ListedFiles, AFileWrittenBetweenTwoOfItsOpensLeavesItsGroup) {
    const std::string bytes(4096, 'x');
    for (const char16_t* path : {u"Z:\\s\\f1", u"Z:\\s\\f2", u"Z:\\s\\f3"})
        disk.AddFile(path, bytes);
    AddSource(u"Z:\\s");
    Settings(0, false);
    settings.groupingLimits = CContentGrouper::Limits{1, 3 * CContentGrouper::kMinChunk};
    progress.onPoll = [this](int) {
        if (disk.opened.size() == 3) disk.Find(u"Z:\\s\\f3")->lastWrite = 2; // saved again
    };
    EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\f1", u"Z:\\s\\f2"}}));
}

} // namespace

namespace {

// The grouper keeps its promise on its own: two names that the listing said are one file are
// never one group, whatever the open bound, even when the caller did not pass over the second.
TEST(ContentGrouper, NamesListedAsOneFileAreNeverOneGroup) {
    CMemoryFileSystem disk;
    auto file = disk.AddFile(u"Z:\\s\\a", "same");
    disk.AddName(u"Z:\\s\\a2", file);
    disk.AddFile(u"Z:\\s\\b", "same");
    const std::optional<FileId> id = disk.Identity(u"Z:\\s\\a");
    ASSERT_TRUE(id.has_value());
    const std::vector<const char16_t*> paths = {u"Z:\\s\\a", u"Z:\\s\\a2", u"Z:\\s\\b"};
    for (size_t bound : {1, 2, 3}) {
        CContentGrouper grouper(disk, [] { return false; }, {bound, 1 << 20});
        std::vector<int32_t> groupOf;
        ASSERT_TRUE(grouper.Group(
            paths, [&](uint32_t k) { return k < 2 ? id : disk.Identity(paths[k]); }, 4, groupOf));
        EXPECT_FALSE(groupOf[0] >= 0 && groupOf[0] == groupOf[1]) << bound;
        EXPECT_TRUE(groupOf[2] >= 0 && (groupOf[2] == groupOf[0] || groupOf[2] == groupOf[1]))
            << bound;
    }
}

} // namespace
