// Deleting recycles only what is still exactly what the search found: files as they were,
// duplicates whose kept copy is still there as it was, folders still empty.
#include "core/app/SearchFixture.h"

#include "core/platform/CFakeRecycleShell.h"
#include "core/results/CDeletionPlan.h"
#include "core/results/CFoundRows.h"
#include "core/results/DeleteTicked.h"
#include "core/text/DecimalText.h"
#include "core/window/MessageStyle.h"

#include <algorithm>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
constexpr int kYes = MessageStyle::kAnswerYes;
constexpr int kNo = MessageStyle::kAnswerNo;

class DeleteAsFound : public SearchFixture {
protected:
    // The shell sees what is on the disk when the delete starts.
    void Delete(const std::vector<std::u16string>& onDisk, std::vector<int> answers = {kYes, kNo}) {
        for (const std::u16string& path : onDisk) {
            if (auto node = disk.Find(path))
                node->folder ? window.shell.AddFolder(path) : window.shell.AddFile(path);
        }
        window.messages.clear();
        window.answers.assign(answers.begin(), answers.end());
        commands.DeleteTicked(IDC_FIND_DUPLICATES);
    }
    std::u16string HandedOver() const {
        return window.shell.lists.empty() ? u"(nothing)" : window.shell.lists.back();
    }
    void Rewrite(const std::u16string& path, std::string content) {
        auto node = disk.Find(path);
        node->content = std::move(content);
        ++node->lastWrite;
    }
};

// The three ways a duplicate row goes stale, one at a time and together: only the rows still
// as found are handed over, and the closing question counts the others.
TEST_F(DeleteAsFound, AFileOrItsKeptCopyChangedSinceTheSearchStaysWhereItIs) {
    enum Change { kKeptRewritten, kKeptRemoved, kTickedRewritten, kTouchedOnly };
    const std::vector<std::vector<Change>> cases = {
        {kKeptRewritten},
        {kKeptRemoved},
        {kTickedRewritten},
        {kTouchedOnly},
        {kKeptRewritten, kKeptRemoved, kTickedRewritten, kTouchedOnly}};
    for (size_t c = 0; c < cases.size(); ++c) {
        const std::u16string root = u"Z:\\case" + DecimalText(static_cast<long long>(c));
        const std::u16string kept[] = {root + u"\\a\\1", root + u"\\a\\2", root + u"\\a\\3",
                                       root + u"\\a\\4", root + u"\\a\\5"};
        const std::u16string copy[] = {root + u"\\b\\1", root + u"\\b\\2", root + u"\\b\\3",
                                       root + u"\\b\\4", root + u"\\b\\5"};
        for (int i = 0; i < 5; ++i) {
            const std::string bytes(static_cast<size_t>(10 + i), static_cast<char>('a' + i));
            disk.AddFile(kept[i], bytes);
            disk.AddFile(copy[i], bytes);
        }
        commands.folderGrid.RemoveAllRows();
        AddSource(root);
        window.shell = CFakeRecycleShell{};
        ASSERT_EQ(Search().size(), 5u);
        commands.OnTickRightColumn();
        // Handed over from the bottom row up: the smallest files, the first of the copies.
        std::u16string expected;
        for (int i = 0; i < 5; ++i) {
            const bool changed = i < 4 && std::find(cases[c].begin(), cases[c].end(),
                                                    static_cast<Change>(i)) != cases[c].end();
            if (!changed) expected += copy[i] + u'\0';
        }
        for (Change change : cases[c]) {
            if (change == kKeptRewritten) Rewrite(kept[0], "another text");
            if (change == kKeptRemoved) disk.Remove(kept[1]);
            if (change == kTickedRewritten) Rewrite(copy[2], "new work here");
            if (change == kTouchedOnly) ++disk.Find(copy[3])->lastWrite; // same bytes, saved
        }
        Delete({copy[0], copy[1], copy[2], copy[3], copy[4]});
        EXPECT_EQ(HandedOver(), expected + u'\0') << c;
        const size_t changed = cases[c].size();
        EXPECT_EQ(window.messages.back().first, DeletedMessage(changed, changed)) << c;
    }
}

// Rows by name and empty files keep what their files were when the row was made.
TEST_F(DeleteAsFound, RowsByNameAndEmptyFilesAreCheckedAlike) {
    disk.AddFile(u"Z:\\s\\x\\r.txt", "one");
    disk.AddFile(u"Z:\\s\\y\\r.txt", "two");
    disk.AddFile(u"Z:\\s\\y\\r.md", "three");
    disk.AddFile(u"Z:\\s\\e", "");
    AddSource(u"Z:\\s");
    Settings(2, true);
    ASSERT_EQ(Search().size(), 3u);
    commands.OnTickRightColumn();
    Rewrite(u"Z:\\s\\e", "no longer empty");
    Rewrite(u"Z:\\s\\y\\r.txt", "two, edited");
    Delete({u"Z:\\s\\y\\r.txt", u"Z:\\s\\y\\r.md", u"Z:\\s\\e"});
    EXPECT_EQ(HandedOver(), u"Z:\\s\\y\\r.md\0\0"s);
    EXPECT_EQ(window.messages.back().first, DeletedMessage(2, 2));
}

// Both cells of a row ticked: the kept copy goes too, so its own state is all that counts,
// and the question says that a group keeps no copy.
TEST_F(DeleteAsFound, EveryCopyTickedIsSaidBeforeAndNoKeepsEverything) {
    disk.AddFile(u"Z:\\s\\a", "the same"); // the larger pair: the first row
    disk.AddFile(u"Z:\\s\\b", "the same");
    disk.AddFile(u"Z:\\s\\c", "other");
    disk.AddFile(u"Z:\\s\\d", "other");
    AddSource(u"Z:\\s");
    ASSERT_EQ(Search().size(), 2u);
    commands.resultGrid.SetTicked(0, 0, true);
    commands.resultGrid.SetTicked(1, 0, true);
    commands.resultGrid.SetTicked(1, 1, true);
    Delete({u"Z:\\s\\a", u"Z:\\s\\b", u"Z:\\s\\d"}, {kNo});
    EXPECT_TRUE(window.shell.lists.empty());
    EXPECT_EQ(window.messages.front().first, ConfirmDeleteMessage(1));
    EXPECT_EQ(ResultRows().size(), 2u);
    Rewrite(u"Z:\\s\\a", "THE SAME"); // same length, written since
    Delete({u"Z:\\s\\a", u"Z:\\s\\b", u"Z:\\s\\d"});
    EXPECT_EQ(HandedOver(), u"Z:\\s\\d\0Z:\\s\\b\0\0"s);
}

// A folder the search found empty goes only while it, and every found folder inside it, is
// still empty; a name no path can reach counts as something inside.
TEST_F(DeleteAsFound, AFolderThatIsNoLongerEmptyStaysWithTheFoldersAroundIt) {
    for (const char16_t* folder : {u"Z:\\s\\p\\q", u"Z:\\s\\e1", u"Z:\\s\\e2", u"Z:\\s\\e3"})
        disk.AddFolder(folder);
    AddSource(u"Z:\\s");
    window.messages.clear();
    commands.OnSearchEmptyFolders();
    ASSERT_EQ(ResultRows().size(), 5u);
    commands.OnTickRightColumn();
    disk.AddFile(u"Z:\\s\\p\\q\\saved.txt", "new");
    disk.AddFile(u"Z:\\s\\e1\\saved.txt", "new");
    disk.AddFolder(u"Z:\\s\\e3\\x."); // under Wine, a Linux folder no path reaches
    Delete({u"Z:\\s\\p", u"Z:\\s\\p\\q", u"Z:\\s\\e1", u"Z:\\s\\e2", u"Z:\\s\\e3"});
    EXPECT_EQ(HandedOver(), u"Z:\\s\\e2\0\0"s);
    EXPECT_EQ(window.messages.back().first, DeletedMessage(4, 4));
}

TEST(GroupsWithEveryCopyTicked, CountsGroupsWhoseAnchorAndEveryCopyAreTicked) {
    // Rows of (anchor, copy, anchor ticked, copy ticked); consecutive rows of one anchor are
    // its group.
    struct RowSpec {
        const char16_t* left;
        const char16_t* right;
        bool tickLeft, tickRight;
    };
    const struct {
        std::vector<RowSpec> rows;
        size_t groups;
    } cases[] = {
        {{{u"D:\\a", u"D:\\b", false, true}}, 0},
        {{{u"D:\\a", u"D:\\b", true, true}}, 1},
        {{{u"D:\\a", u"D:\\b", true, true}, {u"D:\\c", u"D:\\d", true, true}}, 2},
        // Three copies, two ticked: one stays.
        {{{u"D:\\a", u"D:\\b", true, true}, {u"D:\\a", u"D:\\c", false, false}}, 0},
        // The anchor ticked in any of its rows, every copy ticked.
        {{{u"D:\\a", u"D:\\b", false, true}, {u"D:\\a", u"D:\\c", true, true}}, 1},
        {{{u"(空文件)", u"D:\\e", true, true}, {u"(空文件)", u"D:\\f", true, true}}, 0},
    };
    for (const auto& c : cases) {
        CListGrid grid;
        grid.SetColumnCount(2);
        for (const RowSpec& r : c.rows) {
            AppendResultRow(grid, r.left, r.right);
            grid.SetTicked(0, grid.RowCount() - 1, r.tickLeft);
            grid.SetTicked(1, grid.RowCount() - 1, r.tickRight);
        }
        EXPECT_EQ(GroupsWithEveryCopyTicked(grid), c.groups) << c.rows.size();
    }
}

TEST(FoundRows, ARowKeepsSixteenBytesWhateverItsPaths) {
    CFoundRows rows;
    const FileState state{FileId{1, 2}, 3, 4};
    for (int i = 0; i < 100000; ++i) rows.Append(Fingerprint(state), 0);
    EXPECT_LE(rows.Bytes(), 2 * 16 * rows.Count());
    EXPECT_TRUE(rows.Unchanged(0, 99999, state));
    EXPECT_FALSE(rows.Unchanged(1, 99999, state)); // nothing was kept: never as found
    EXPECT_FALSE(rows.Unchanged(0, 100000, state));
    // Another file, another size, another time; the volume an open file may not tell.
    for (FileState other : {FileState{FileId{1, 3}, 3, 4}, FileState{FileId{1, 2}, 4, 4},
                            FileState{FileId{1, 2}, 3, 5}})
        EXPECT_FALSE(rows.Unchanged(0, 0, other));
    EXPECT_TRUE(rows.Unchanged(0, 0, FileState{FileId{0, 2}, 3, 4}));
}

TEST(DeletionPlan, AnItemInsideAFolderOfTheListGoesWithItInAnyLetterCase) {
    CDeletionPlan plan;
    plan.Add(u"D:\\É", {IRecycleShell::Kind::kFolder, false});
    plan.Add(u"D:\\é\\x", {IRecycleShell::Kind::kFile, false});
    plan.Add(u"D:\\Ж\\y", {IRecycleShell::Kind::kFile, false});
    EXPECT_EQ(plan.HandOver(), (std::vector<std::u16string>{u"D:\\É", u"D:\\Ж\\y"}));
}

} // namespace
