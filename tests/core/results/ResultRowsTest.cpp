#include "core/results/ResultRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ResultList {
    ResultList() {
        grid.SetupHook();
        grid.SetViewSize(400, 200);
        SetUpResultGrid(grid, 1);
    }
    CListGrid grid;
    std::vector<std::u16string> shown;
    ShowMessage show = [this](const std::u16string& text) { shown.push_back(text); };
};

TEST(ResultRows, SetUpGivesTwoCheckBoxColumnsWithHeadings) {
    ResultList list;
    CListGrid& grid = list.grid;
    EXPECT_EQ(grid.ColumnCount(), 2);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.CellText(0, -1), u"源文件");
    EXPECT_EQ(grid.CellText(1, -1), u"重复/空文件");
    EXPECT_EQ(grid.ColumnWidth(0) + grid.ColumnWidth(1), 400);
    CGridCell cell;
    grid.GetColumnDefault(1, cell);
    EXPECT_EQ(cell.CellType(), 2);
    EXPECT_EQ(cell.CellTypeStyle(), 0x1100);
    EXPECT_EQ(cell.Border(), 12);
    EXPECT_EQ(cell.HighlightBackColour(), 0xB9FFFFu);
    EXPECT_EQ(cell.HighlightTextColour(), 0u);
    EXPECT_EQ(grid.CurrentCellStyle(), 3);
    EXPECT_FALSE(grid.RowHighlight());
}

TEST(ResultRows, ARowIsTwoUntickedLabelledCells) {
    ResultList list;
    AppendResultRow(list.grid, u"D:\\a.txt", u"D:\\b.txt");
    AppendResultRow(list.grid, kEmptyFileLabel, u"D:\\empty.txt");
    CListGrid& grid = list.grid;
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.CellPath(0, 0), u"D:\\a.txt");
    EXPECT_EQ(grid.CellPath(1, 0), u"D:\\b.txt");
    EXPECT_EQ(grid.CellPath(0, 1), u"(空文件)");
    EXPECT_EQ(grid.CellText(1, 1), u"0");
    EXPECT_FALSE(grid.IsTicked(0, 1));
    CGridCell effective;
    grid.EffectiveCell(1, 1, effective);
    EXPECT_EQ(effective.CellType(), 2); // from the column default, not stored per row
    CGridCell stored;
    grid.ReadCell(1, 1, stored);
    EXPECT_FALSE(stored.Has(CGridCell::kCellType));
}

TEST(ResultRows, TickRightColumnTicksColumnOneAndKeepsColumnZero) {
    ResultList list;
    for (int i = 0; i < 3; ++i) AppendResultRow(list.grid, u"D:\\a", u"D:\\b");
    list.grid.SetTicked(0, 1, true);
    EXPECT_TRUE(OnTickRightColumn(list.grid, list.show));
    for (int r = 0; r < 3; ++r) EXPECT_TRUE(list.grid.IsTicked(1, r));
    EXPECT_FALSE(list.grid.IsTicked(0, 0));
    EXPECT_TRUE(list.grid.IsTicked(0, 1));
    EXPECT_TRUE(OnClearAllTicks(list.grid, list.show));
    for (int r = 0; r < 3; ++r) {
        EXPECT_FALSE(list.grid.IsTicked(0, r));
        EXPECT_FALSE(list.grid.IsTicked(1, r));
    }
    EXPECT_TRUE(list.shown.empty());
}

TEST(ResultRows, AnEmptyListIsAnsweredWithTheMessageAndNothingChanges) {
    ResultList list;
    EXPECT_FALSE(OnTickRightColumn(list.grid, list.show));
    EXPECT_FALSE(OnClearAllTicks(list.grid, list.show));
    ASSERT_EQ(list.shown.size(), 2u);
    EXPECT_EQ(list.shown[0], u"抱歉，列表中没有任何项目，因此不能完成您所要求的功能。");
    EXPECT_EQ(list.grid.RowCount(), 0);
    EXPECT_FALSE(OnTickRightColumn(list.grid, nullptr)); // no listener is no crash
}

TEST(ResultRows, FolderListHighlightsWholeRows) {
    CListGrid grid;
    grid.SetupHook();
    grid.SetViewSize(300, 100);
    SetUpFolderGrid(grid, 1);
    EXPECT_EQ(grid.ColumnCount(), 1);
    EXPECT_EQ(grid.CellText(0, -1), u"源文件夹");
    EXPECT_TRUE(grid.RowHighlight());
    CGridCell cell;
    grid.GetColumnDefault(0, cell);
    EXPECT_EQ(cell.Border(), 12);
    grid.AppendRow();
    EXPECT_TRUE(grid.IsHighlighted(0, 0));
}

} // namespace
