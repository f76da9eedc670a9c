#include "core/app/CMainCommands.h"
#include "core/window/CFakeWindow.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

#include "core/grid/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using MessageStyle::kAnswerNo;
using MessageStyle::kAnswerYes;

const std::u16string kDuplicate = u"抱歉，该文件夹已经在列表中。请勿重复选择。";

class FolderList : public ::testing::Test {
protected:
    FolderList() : commands(window) {
        commands.folderGrid.SetupHook();
        commands.folderGrid.SetViewSize(300, 100);
        SetUpFolderGrid(commands.folderGrid, 1);
    }

    CFolderListCommands List() { return commands.FolderList(); }
    CListGrid& Grid() { return commands.folderGrid; }
    void Fill(std::initializer_list<const char16_t*> folders) {
        for (const char16_t* f : folders) ASSERT_TRUE(List().AppendFolder(f));
        window.messages.clear();
    }
    std::vector<std::u16string> Rows() {
        std::vector<std::u16string> rows;
        for (int r = 0; r < Grid().RowCount(); ++r) rows.push_back(Grid().CellText(0, r).value());
        return rows;
    }
    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& [text, style] : window.messages) texts.push_back(text);
        return texts;
    }

    CFakeWindow window;
    CMainCommands commands;
};

TEST_F(FolderList, AddAppendsTheBrowsersPathAndComparesWholeStringsWithCase) {
    window.browseAnswers = {u"D:\\",     u"D:\\",          u"d:\\",
                            u"D:\\Data", u"D:\\Data\\Sub", u"D:\\Data\\"};
    for (int i = 0; i < 6; ++i) List().OnAdd();
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"D:\\", u"d:\\", u"D:\\Data", u"D:\\Data\\Sub",
                                                   u"D:\\Data\\"}));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, kDuplicate);
    EXPECT_EQ(window.messages[0].second, MessageStyle::kOk);
    EXPECT_EQ(window.browseCalls[0], u"添加文件夹|请选择需要检查的源文件夹:|");
    EXPECT_EQ(Grid().CurrentRow(), 0); // appending never moves the current row
}

TEST_F(FolderList, AnAppendedFolderIsRepaintedAndTheColumnFitted) {
    Fill({u"D:\\a"});
    CountingView view;
    Grid().SetView(&view);
    Grid().SetColumnWidth(0, 20);
    List().AppendFolder(u"D:\\b");
    Grid().SetView(nullptr);
    EXPECT_TRUE(view.Covers(GridPart::Cells, {0, 20, 300, 40}));
    EXPECT_EQ(Grid().ColumnWidth(0), 300);
}

TEST_F(FolderList, ACancelledBrowserChangesNothing) {
    Fill({u"D:\\a"});
    List().OnAdd(); // no answer queued: cancelled
    EXPECT_EQ(Rows(), std::vector<std::u16string>{u"D:\\a"});
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(FolderList, NewEmptiesWithoutAQuestionThenPostsAdd) {
    Fill({u"D:\\a", u"D:\\b"});
    List().OnNew();
    EXPECT_EQ(Grid().RowCount(), 0);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.posted, std::vector<int>{IDC_ADD_FOLDER});
    EXPECT_TRUE(window.browseCalls.empty()); // the browser opens only when the post arrives
    List().OnNew();                          // also on an empty list
    EXPECT_EQ(window.posted.size(), 2u);
}

TEST_F(FolderList, DeleteAndClearOnAnEmptyListOnlySaySo) {
    List().OnDelete();
    List().OnClear();
    EXPECT_EQ(Messages(),
              (std::vector<std::u16string>{u"抱歉，没啥好删的。", u"抱歉，没啥好清的。"}));
    EXPECT_EQ(window.messages[0].second, MessageStyle::kOk);
    EXPECT_EQ(window.messages[1].second, MessageStyle::kOk);
}

TEST_F(FolderList, DeleteRemovesTheCurrentRowOnYesOnly) {
    Fill({u"D:\\a", u"D:\\b", u"D:\\c"});
    Grid().MoveToRow(1);
    window.answers = {kAnswerNo, MessageStyle::kAnswerCancel, kAnswerYes};
    List().OnDelete();
    List().OnDelete(); // anything but Yes keeps the list
    EXPECT_EQ(Grid().RowCount(), 3);
    List().OnDelete();
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"D:\\a", u"D:\\c"}));
    ASSERT_EQ(window.messages.size(), 3u);
    EXPECT_EQ(window.messages[2].first, u"您确定您真的想删除所选项？");
    EXPECT_EQ(window.messages[2].second, MessageStyle::kYesNo);
}

TEST_F(FolderList, ClearEmptiesOnYesOnly) {
    Fill({u"D:\\a", u"D:\\b"});
    window.answers = {kAnswerNo, kAnswerYes};
    List().OnClear();
    EXPECT_EQ(Grid().RowCount(), 2);
    List().OnClear();
    EXPECT_EQ(Grid().RowCount(), 0);
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{u"您确定您真的想清空所有项？",
                                                       u"您确定您真的想清空所有项？"}));
    EXPECT_EQ(window.messages[0].second, MessageStyle::kYesNo);
}

TEST_F(FolderList, UpAndDownMoveTheCurrentFolderAndStopSilentlyAtTheEnds) {
    Fill({u"D:\\a", u"D:\\b", u"D:\\c"});
    List().OnMoveUp(); // the first row cannot go up
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"D:\\a", u"D:\\b", u"D:\\c"}));
    Grid().MoveToRow(2);
    List().OnMoveDown(); // nor the last one down
    EXPECT_EQ(Grid().CurrentRow(), 2);
    List().OnMoveUp();
    EXPECT_EQ(Grid().CurrentRow(), 1);
    List().OnMoveUp(); // the same folder again
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"D:\\c", u"D:\\a", u"D:\\b"}));
    EXPECT_EQ(Grid().CurrentRow(), 0);
    List().OnMoveDown();
    EXPECT_EQ(Rows(), (std::vector<std::u16string>{u"D:\\a", u"D:\\c", u"D:\\b"}));
    EXPECT_EQ(Grid().CurrentRow(), 1);
    EXPECT_TRUE(window.messages.empty());
    Grid().RemoveAllRows();
    List().OnMoveUp();
    List().OnMoveDown();
    EXPECT_EQ(Grid().RowCount(), 0);
}

TEST_F(FolderList, ADropAppendsInOrderWithOneMessagePerListedItem) {
    Fill({u"D:\\b"});
    // Three folders of which the second is listed, then the folder of two files of one folder,
    // and an item the platform could not name.
    List().AppendDroppedFolders(
        {u"D:\\a", u"D:\\b", u"D:\\c", u"D:\\Photos", u"D:\\Photos", u"", u"D:\\"});
    EXPECT_EQ(Rows(),
              (std::vector<std::u16string>{u"D:\\b", u"D:\\a", u"D:\\c", u"D:\\Photos", u"D:\\"}));
    EXPECT_EQ(Messages(), (std::vector<std::u16string>{kDuplicate, kDuplicate}));
}

} // namespace
