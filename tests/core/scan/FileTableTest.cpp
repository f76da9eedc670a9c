#include "core/scan/CFileTable.h"
#include "core/scan/FileOrder.h"

#include <gtest/gtest.h>

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
// run every few thousand comparisons, and sorts as it does without.
TEST(FileTable, ALongSortPollsAndSortsAsWithout) {
    std::vector<FileRecord> table(5000), plain;
    for (uint32_t i = 0; i < table.size(); ++i) table[i].sizeLow = (i * 7919u) % 5003u + 1;
    plain = table;
    int polls = 0;
    SortFileTable(table.data(), table.data() + table.size(), CompareBySize, [&] { ++polls; });
    SortFileTable(plain.data(), plain.data() + plain.size(), CompareBySize);
    EXPECT_GE(polls, 10);
    for (size_t i = 0; i < table.size(); ++i) ASSERT_EQ(table[i].sizeLow, plain[i].sizeLow);
    EXPECT_GT(table.front().sizeLow, table.back().sizeLow);
}
