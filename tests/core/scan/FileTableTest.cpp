#include "core/scan/CFileTable.h"
#include "core/scan/FileOrder.h"
#include "core/scan/ScanPathPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(FileTable, AllocateGivesZeroedRecordsAndReleaseEmptiesIt) {
    CFileTable table;
    EXPECT_EQ(table.files, nullptr);
    ASSERT_TRUE(table.Allocate(3));
    EXPECT_EQ(table.fileCount, 3u);
    for (const FileRecord& r : table) {
        EXPECT_EQ(r.folderIndex, 0);
        EXPECT_TRUE(r.IsEmpty());
        EXPECT_EQ(r.pathIndex, 0);
        EXPECT_EQ(r.nameIndex, 0);
        EXPECT_EQ(r.listed, 0);
    }
    table.files[2].sizeLow = 7;
    ASSERT_TRUE(table.Allocate(2)); // a new scan starts from a clean table
    EXPECT_EQ(table.files[1].sizeLow, 0u);
    table.Release();
    EXPECT_EQ(table.files, nullptr);
    EXPECT_EQ(table.fileCount, 0u);
}

TEST(FileTable, SizeJoinsBothHalvesUnsigned) {
    FileRecord r{};
    r.sizeHigh = 1;
    r.sizeLow = 0x80000000u;
    EXPECT_EQ(r.Size(), 0x180000000ull);
    EXPECT_FALSE(r.IsEmpty());
}

} // namespace

// A table of a drive takes seconds to sort in the platform's order: the sort lets the window
// run every few thousand comparisons, and sorts as it does without; so does the sort through
// the folders, which takes the table's paths.
TEST(FileTable, ALongSortPollsAndSortsAsWithout) {
    for (const bool withPaths : {false, true}) {
        std::vector<FileRecord> table(5000), plain;
        for (uint32_t i = 0; i < table.size(); ++i) {
            table[i].sizeLow = (i * 7919u) % 5003u % 50 + 1;
            // Sizes and paths repeat, so that ties have to keep table order.
            const std::u16string path = u"D:\\" + std::u16string(1, u'a' + i % 20) + u"\\" +
                                        std::u16string(1, u'A' + i % 26);
            if (withPaths) table[i].pathIndex = ScanPathPool().Add(path.c_str());
        }
        plain = table;
        int polls = 0;
        SortFileTable(table.data(), table.data() + table.size(), CompareBySize, [&] { ++polls; });
        SortFileTable(plain.data(), plain.data() + plain.size(), CompareBySize);
        EXPECT_GE(polls, 10) << withPaths;
        for (size_t i = 0; i < table.size(); ++i) {
            ASSERT_EQ(table[i].sizeLow, plain[i].sizeLow);
            ASSERT_EQ(table[i].pathIndex, plain[i].pathIndex);
        }
        EXPECT_GT(table.front().sizeLow, table.back().sizeLow);
        ScanPathPool().Clear();
    }
}

// The sort by size reaches path order through the folders; whatever the names, it must leave
// the table exactly as sorting by the whole comparison does, ties in table order included.
TEST(FileTable, SortBySizeEqualsTheWholeComparisonOnAnyNames) {
    // Folders within folders, a file named as a folder beside it, case and separator variants
    // of one folder, digit runs, and names equal but for case.
    const std::u16string folders[] = {
        u"D:\\",          u"D:\\a\\",        u"D:\\A\\",   u"D:/a/",     u"D:\\a\\b\\",
        u"D:\\a\\B\\c\\", u"D:\\a2\\",       u"D:\\a10\\", u"D:\\a02\\", u"D:\\b\\",
        u"D:\\a b\\",     u"D:\\\\a\\\\b\\", u"E:\\a\\"};
    const std::u16string names[] = {u"a",  u"A",   u"b", u"b.txt", u"B.TXT",
                                    u"a2", u"a10", u"c", u"a b",   u"z"};
    std::mt19937 rng(5);
    for (int round = 0; round < 200; ++round) {
        std::vector<FileRecord> table;
        for (int i = 0; i < 60; ++i) {
            const std::u16string path =
                folders[rng() % std::size(folders)] + names[rng() % std::size(names)];
            table.push_back(FileRecord{static_cast<int32_t>(rng() % 2), 0,
                                       static_cast<uint32_t>(rng() % 3),
                                       ScanPathPool().Add(path.c_str()), 0, 0});
        }
        if (round % 50 == 0) table[rng() % table.size()].pathIndex = 0; // a path the pool refused
        std::vector<FileRecord> expected = table;
        std::stable_sort(
            expected.begin(), expected.end(),
            [](const FileRecord& a, const FileRecord& b) { return CompareBySize(a, b) < 0; });
        SortFileTable(table.data(), table.data() + table.size(), CompareBySize);
        for (size_t i = 0; i < table.size(); ++i)
            ASSERT_EQ(table[i].pathIndex, expected[i].pathIndex)
                << "round " << round << ", row " << i;
        ScanPathPool().Clear();
    }
}
