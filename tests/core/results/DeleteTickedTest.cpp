#include "core/results/DeleteTicked.h"
#include "core/results/CDeletionList.h"
#include "core/results/CDeletionPlan.h"
#include "core/results/ResultRows.h"
#include "core/window/CFakeWindow.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
constexpr int kYes = MessageStyle::kAnswerYes;
constexpr int kNo = MessageStyle::kAnswerNo;

class DeleteTickedTest : public ::testing::Test {
protected:
    DeleteTickedTest() { grid.SetColumnCount(2); }

    void Row(const std::u16string& left, const std::u16string& right, bool tickLeft,
             bool tickRight) {
        AppendResultRow(grid, left, right);
        const int r = grid.RowCount() - 1;
        grid.SetTicked(0, r, tickLeft);
        grid.SetTicked(1, r, tickRight);
    }
    // Runs the command; the answers are those to the confirmation and the closing question.
    void Run(std::vector<int> answers, int command = IDC_FIND_DUPLICATES) {
        window.answers.assign(answers.begin(), answers.end());
        DeleteTicked(grid, window, window.shell, command);
    }
    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& m : window.messages) texts.push_back(m.first);
        return texts;
    }
    std::u16string OnlyList() const {
        EXPECT_EQ(window.shell.lists.size(), 1u);
        return window.shell.lists.empty() ? u"" : window.shell.lists.front();
    }
    int WaitCursorChanges() const {
        int n = 0;
        for (const auto& line : window.log)
            n += line == u"wait on" ? 1 : line == u"wait off" ? -1 : 0;
        return n;
    }

    CListGrid grid;
    CFakeWindow window;
};

TEST_F(DeleteTickedTest, HandsOverOneListFromTheBottomRowUp) {
    for (auto p : {u"D:\\a.txt", u"D:\\b.txt", u"D:\\c.txt", u"D:\\d.txt"}) window.shell.AddFile(p);
    Row(u"D:\\a.txt", u"D:\\b.txt", false, true);
    Row(u"D:\\a.txt", u"D:\\c.txt", false, true);
    Row(u"D:\\a.txt", u"D:\\d.txt", false, true);
    Run({kYes, kNo});
    EXPECT_EQ(OnlyList(), u"D:\\d.txt\0D:\\c.txt\0D:\\b.txt\0\0"s);
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{std::u16string(kConfirmDeleteMessage),
                                                       std::u16string(kDeletedMessage)}));
    EXPECT_EQ(window.messages[0].second, MessageStyle::kYesNo);
    EXPECT_EQ(window.texts[IDC_STATUS], u"D:\\b.txt"); // the last path put into the list
    EXPECT_TRUE(window.shell.Has(u"D:\\a.txt"));
    EXPECT_EQ(WaitCursorChanges(), 0);
    EXPECT_EQ(window.log.front(), u"wait on");
    EXPECT_EQ(window.log.back(), u"wait off");
}

TEST_F(DeleteTickedTest, AnAnchorTickedTwiceIsHandedOverOnce) {
    for (auto p : {u"D:\\a.txt", u"D:\\b.txt", u"D:\\c.txt"}) window.shell.AddFile(p);
    Row(u"D:\\a.txt", u"D:\\b.txt", true, true);
    Row(u"D:\\a.txt", u"D:\\c.txt", true, true);
    Run({kYes, kNo});
    // Handing the shell one path twice makes it stop at the second and leave the rest.
    EXPECT_EQ(OnlyList(), u"D:\\a.txt\0D:\\c.txt\0D:\\b.txt\0\0"s);
    EXPECT_EQ(window.messages.back().first, kDeletedMessage);
}

TEST_F(DeleteTickedTest, PlaceholdersAndVanishedFilesAreSkipped) {
    window.shell.AddFile(u"D:\\empty.txt");
    window.shell.AddFolder(u"D:\\hollow");
    Row(u"(空文件)", u"D:\\empty.txt", true, true);
    Row(u"(空文件夹)", u"D:\\hollow", true, true);
    Row(u"D:\\a.txt", u"D:\\gone.txt", false, true);
    Run({kYes, kNo});
    EXPECT_EQ(OnlyList(), u"D:\\hollow\0D:\\empty.txt\0\0"s);
    EXPECT_EQ(window.messages.back().first, kDeletedMessage);
}

TEST_F(DeleteTickedTest, NothingToDeleteSaysSoAndChangesNothing) {
    Run({});
    EXPECT_EQ(Messages(), std::vector<std::u16string>{std::u16string(kEmptyListMessage)});
    EXPECT_TRUE(window.log.size() == 1); // no wait cursor either

    window = CFakeWindow();
    Row(u"(空文件)", u"D:\\gone.txt", true, true); // a placeholder and a vanished file
    Row(u"D:\\a.txt", u"D:\\b.txt", false, false);
    window.shell.AddFile(u"D:\\b.txt");
    Run({});
    EXPECT_EQ(Messages(), std::vector<std::u16string>{std::u16string(kNothingTickedMessage)});
    EXPECT_EQ(window.messages[0].second, MessageStyle::kOk);
    EXPECT_TRUE(window.shell.lists.empty());
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(WaitCursorChanges(), 0);
}

TEST_F(DeleteTickedTest, NoAtTheConfirmationDeletesNothing) {
    window.shell.AddFile(u"D:\\b.txt");
    Row(u"D:\\a.txt", u"D:\\b.txt", false, true);
    Run({kNo});
    EXPECT_EQ(Messages(), std::vector<std::u16string>{std::u16string(kConfirmDeleteMessage)});
    EXPECT_TRUE(window.shell.lists.empty());
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(WaitCursorChanges(), 0);
}

TEST_F(DeleteTickedTest, FilesThatComeOrGoBetweenThePassesNeverOutgrowTheList) {
    window.shell.AddFile(u"D:\\stays.txt");
    window.shell.AddFile(u"D:\\goes.txt");
    Row(u"D:\\a.txt", u"D:\\appears-with-a-long-name.txt", false, true);
    Row(u"D:\\a.txt", u"D:\\goes.txt", false, true);
    Row(u"D:\\a.txt", u"D:\\stays.txt", false, true);
    // Once the user has answered, one file is created and one removed behind our back.
    window.shell.beforeExamine = [this](const std::u16string&) {
        if (window.messages.size() != 1) return;
        window.shell.AddFile(u"D:\\appears-with-a-long-name.txt");
        window.shell.items.erase(u"D:\\goes.txt");
    };
    Run({kYes, kNo});
    EXPECT_EQ(OnlyList(), u"D:\\stays.txt\0\0"s);
    EXPECT_TRUE(window.shell.Has(u"D:\\appears-with-a-long-name.txt"));
    EXPECT_EQ(window.messages.back().first, kDeletedMessage);
}

TEST_F(DeleteTickedTest, UnsafeItemsAreLeftAloneAndCounted) {
    const std::u16string longPath = u"D:\\" + std::u16string(256, u'x') + u"\\y"; // 261 units
    const std::vector<std::u16string> unsafe = {
        u"relative\\b.txt",  u"D:\\*.txt",         longPath,
        u"D:\\a\\..\\b.txt", u"D:\\a\0D:\\b.txt"s, u"D:\\link"};
    for (const auto& p : unsafe) window.shell.AddFile(p);
    window.shell.AddLink(u"D:\\link");
    window.shell.AddFile(u"D:\\ok.txt");
    for (const auto& p : unsafe) Row(u"D:\\a.txt", p, false, true);
    Row(u"D:\\a.txt", u"D:\\ok.txt", false, true);
    Row(u"D:\\a.txt", u"relative\\b.txt", false, true); // the same item once more
    Row(u"D:\\a.txt", u"D:\\gone\\*.txt", false, true); // nothing there: no candidate
    Run({kYes, kNo});
    EXPECT_EQ(OnlyList(), u"D:\\ok.txt\0\0"s);
    for (const auto& p : unsafe) EXPECT_TRUE(window.shell.Has(p));
    EXPECT_EQ(window.messages.back().first,
              u"有 6 项未能删除，仍在原处。\n删除完毕。\n还想再查一遍吗？");
    // A relative path is never looked up.
    for (const auto& p : window.shell.examined) EXPECT_TRUE(CDeletionPlan::HasRoot(p)) << p.size();
}

TEST_F(DeleteTickedTest, TwoSpellingsOfOnePathAreHandedOverOnceAndBothLookedAtAfter) {
    // On a case-sensitive Unix folder under Wine these can be two files.
    window.shell.AddFile(u"D:\\a.txt");
    window.shell.AddFile(u"D:\\A.TXT");
    Row(u"D:\\x.txt", u"D:\\A.TXT", false, true);
    Row(u"D:\\x.txt", u"D:\\a.txt", false, true);
    Run({kYes, kNo});
    EXPECT_EQ(OnlyList(), u"D:\\a.txt\0\0"s);
    EXPECT_EQ(window.messages.back().first,
              u"有 1 项未能删除，仍在原处。\n删除完毕。\n还想再查一遍吗？");
}

TEST_F(DeleteTickedTest, AnItemInsideAListedFolderGoesWithTheFolder) {
    window.shell.AddFolder(u"D:\\E");
    window.shell.AddFolder(u"D:\\E\\sub");
    window.shell.AddFile(u"D:\\E\\sub\\x.txt");
    window.shell.AddFolder(u"D:\\Else");
    Row(u"(空文件夹)", u"D:\\E\\sub", false, true);
    Row(u"D:\\a.txt", u"D:\\E\\sub\\x.txt", false, true);
    Row(u"(空文件夹)", u"D:\\E", false, true);
    Row(u"(空文件夹)", u"D:\\Else", false, true);
    Run({kYes, kNo});
    EXPECT_EQ(OnlyList(), u"D:\\Else\0D:\\E\0\0"s);
    EXPECT_EQ(window.messages.back().first, kDeletedMessage);
}

TEST_F(DeleteTickedTest, ItemsStillThereAfterTheOperationAreCounted) {
    for (auto p : {u"D:\\b.txt", u"D:\\c.txt", u"D:\\d.txt"}) window.shell.AddFile(p);
    window.shell.stuck = {u"D:\\b.txt", u"D:\\d.txt"};
    window.shell.outcome = {0, true};
    Row(u"D:\\a.txt", u"D:\\b.txt", false, true);
    Row(u"D:\\a.txt", u"D:\\c.txt", false, true);
    Row(u"D:\\a.txt", u"D:\\d.txt", false, true);
    Run({kYes, kNo});
    EXPECT_EQ(window.messages.back().first,
              u"有 2 项未能删除，仍在原处。\n删除完毕。\n还想再查一遍吗？");
    EXPECT_EQ(window.messages.back().second, MessageStyle::kYesNo);
}

TEST_F(DeleteTickedTest, YesRepeatsTheGivenSearchAndNoEmptiesTheList) {
    window.shell.AddFile(u"D:\\b.txt");
    window.shell.AddFolder(u"D:\\hollow");
    Row(u"D:\\a.txt", u"D:\\b.txt", false, true);
    Row(u"(空文件夹)", u"D:\\hollow", false, true);
    Run({kYes, kYes}, IDC_FIND_EMPTY_FOLDERS);
    EXPECT_EQ(window.posted, std::vector<int>{IDC_FIND_EMPTY_FOLDERS});
    EXPECT_EQ(grid.RowCount(), 2); // the repeated search empties and refills it
    for (int id : kResultButtonIds) EXPECT_TRUE(window.IsItemEnabled(id));

    window.shell.AddFile(u"D:\\b.txt");
    Run({kYes, kNo}, IDC_FIND_DUPLICATES);
    EXPECT_EQ(window.posted, std::vector<int>{IDC_FIND_EMPTY_FOLDERS});
    EXPECT_EQ(grid.RowCount(), 0);
    for (int id : kResultButtonIds) EXPECT_FALSE(window.IsItemEnabled(id)) << id;
}

TEST(DeletionPlan, SpellingsTheShellCanRecycleSafely) {
    const std::u16string at259 = u"D:\\" + std::u16string(256, u'x');
    for (const std::u16string& p : {u"D:\\a.txt"s, u"z:\\文件夹\\b c.txt"s,
                                    u"\\\\server\\share\\x"s, u"D:\\folder\\"s, at259})
        EXPECT_TRUE(CDeletionPlan::IsSafeSpelling(p)) << p.size();
    for (const std::u16string& p : {u""s,
                                    u"a.txt"s,
                                    u"\\a.txt"s,
                                    u"D:a.txt"s,
                                    u"D:\\"s,
                                    u"D:\\\\a"s,
                                    u"\\\\server\\share"s,
                                    u"\\\\server\\share\\"s,
                                    u"\\\\?\\D:\\a.txt"s,
                                    u"\\\\.\\D:\\a.txt"s,
                                    u"D:/a.txt"s,
                                    u"D:\\a?.txt"s,
                                    u"D:\\a*"s,
                                    u"D:\\a.txt:stream"s,
                                    u"D:\\.\\a"s,
                                    u"D:\\..\\a"s,
                                    u"D:\\a.\\b"s,
                                    u"D:\\a "s,
                                    u"D:\\a\tb"s,
                                    u"D:\\nul.txt"s,
                                    u"D:\\Com1\\a"s,
                                    u"\\\\server\\..\\x"s,
                                    u"\\\\..\\share\\x"s,
                                    u"\\\\server\\share.\\x"s,
                                    at259 + u"y"})
        EXPECT_FALSE(CDeletionPlan::IsSafeSpelling(p)) << p.size();
}

TEST(DeletionList, IsSizedByTheCountAndNeverWrittenPast) {
    CDeletionList list(7 + 5); // room for "D:\a.b" and "D:\c", each with its NUL
    EXPECT_EQ(list.ByteSize(), 2u * (7 + 5) + 2);
    EXPECT_TRUE(list.Empty());
    EXPECT_FALSE(list.Append(u""));
    EXPECT_TRUE(list.Append(u"D:\\a.b"));
    EXPECT_FALSE(list.Append(u"D:\\cd")); // one unit too many
    EXPECT_TRUE(list.Append(u"D:\\c"));
    EXPECT_FALSE(list.Append(u"x"));
    EXPECT_EQ(list.Block(), u"D:\\a.b\0D:\\c\0\0"s);
}

} // namespace
