#include "core/dupes/CFileIdTable.h"

#include <gtest/gtest.h>

namespace {

FileRecord At(int32_t pathIndex) { return FileRecord{0, 0, 1, pathIndex, 0, 0}; }

std::vector<int32_t> Listed(const std::vector<FileRecord>& table) {
    std::vector<int32_t> listed;
    for (const FileRecord& r : table) listed.push_back(r.listed);
    return listed;
}

} // namespace

TEST(FileIdTable, AllButTheFirstNameOfAFileInTableOrderAreListed) {
    CFileIdTable ids;
    ids.Reserve(6);
    ids.Note(1, FileId{1, 7});
    ids.Note(2, FileId{2, 7}); // the same index on another volume is another file
    ids.Note(4, FileId{1, 7});
    ids.Note(3, FileId{1, 9}); // out of order still lands in place
    ids.Note(6, FileId{1, 9});
    ids.Note(5, std::nullopt); // no identity: never passed over
    ids.Note(7, FileId{1, 9});
    ids.Note(7, std::nullopt);  // a later word replaces an earlier one
    ids.Note(-1, FileId{1, 9}); // a path the pool refused names nothing
    // The table order is not the order of noting: the sort came in between.
    std::vector<FileRecord> table{At(6), At(4), At(2), At(-1), At(5), At(1), At(3), At(7)};
    ids.MarkSecondNames(table.data(), table.data() + table.size());
    EXPECT_EQ(Listed(table), (std::vector<int32_t>{0, 0, 0, 0, 0, 1, 1, 0}));

    // The identities stay for the opens that check them, until cleared.
    EXPECT_EQ(ids.Find(3), (FileId{1, 9}));
    EXPECT_EQ(ids.Find(2), (FileId{2, 7}));
    EXPECT_EQ(ids.Find(7), std::nullopt);
    EXPECT_EQ(ids.Find(8), std::nullopt);
    ids.Clear();
    for (FileRecord& r : table) r.listed = 0;
    ids.MarkSecondNames(table.data(), table.data() + table.size());
    EXPECT_EQ(Listed(table), std::vector<int32_t>(8, 0));
}
