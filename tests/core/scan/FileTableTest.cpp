#include "core/scan/CFileTable.h"

#include <gtest/gtest.h>

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
