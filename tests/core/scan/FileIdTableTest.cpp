#include "core/scan/CFileIdTable.h"

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

    // The identities stay for the opens that check them, by table position, until cleared.
    const std::optional<FileId> none;
    const std::vector<std::optional<FileId>> byPosition = {
        FileId{1, 9}, FileId{1, 7}, FileId{2, 7}, none, none, FileId{1, 7}, FileId{1, 9}, none};
    for (uint32_t p = 0; p < byPosition.size(); ++p) EXPECT_EQ(ids.At(p), byPosition[p]) << p;
    EXPECT_EQ(ids.At(8), none);
    ids.Clear();
    for (FileRecord& r : table) r.listed = 0;
    ids.MarkSecondNames(table.data(), table.data() + table.size());
    EXPECT_EQ(Listed(table), std::vector<int32_t>(8, 0));
}

// A drive's worth of identities: in table order after marking, and given back behind the pass;
// the marking keeps the window alive meanwhile.
TEST(FileIdTable, PositionsBehindThePassAreGivenBackAndTheMarkingPolls) {
    constexpr uint32_t kCount = 150000;
    CFileIdTable ids;
    ids.Reserve(kCount);
    std::vector<FileRecord> table;
    for (int32_t i = 1; i <= static_cast<int32_t>(kCount); ++i) {
        ids.Note(i, FileId{1, static_cast<uint64_t>(i) * 3});
        table.push_back(At(static_cast<int32_t>(kCount) + 1 - i)); // the table reversed
    }
    int polls = 0;
    ids.MarkSecondNames(table.data(), table.data() + table.size(), [&] { ++polls; });
    EXPECT_GE(polls, 100); // every phase of it: 150,000 records, their sort and their moves
    EXPECT_EQ(ids.At(0), (FileId{1, 3 * kCount}));
    EXPECT_EQ(ids.At(kCount - 1), (FileId{1, 3}));
    ids.ReleaseBefore(140000);
    EXPECT_EQ(ids.At(1), std::nullopt);
    EXPECT_EQ(ids.At(140000), (FileId{1, 3 * (kCount - 140000)}));
}
