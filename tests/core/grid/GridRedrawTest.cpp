// What the user sees must follow every change: each change below has to reach the window as
// an invalidation of the pixels it alters. And a click acts on the cell it was aimed at.
#include "core/grid/CListGrid.h"
#include "core/results/ResultRows.h"

#include "core/grid/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The result list in a cell area 400 x 210: ten whole rows and half of the eleventh show.
struct ResultList : ::testing::Test {
    ResultList() {
        grid.SetupHook();
        grid.SetViewSize(400, 210);
        SetUpResultGrid(grid, 1);
        for (int i = 0; i < 30; ++i)
            AppendResultRow(grid, u"D:\\a\\" + DecimalRow(i), u"D:\\b\\" + DecimalRow(i));
        grid.SetView(&view);
        grid.SetOpenHandler([this](const std::u16string& path) { opened.push_back(path); });
    }
    ~ResultList() override { grid.SetView(nullptr); }

    static std::u16string DecimalRow(int i) {
        return std::u16string(1, static_cast<char16_t>(u'A' + i / 10)) +
               static_cast<char16_t>(u'0' + i % 10);
    }
    // A point inside the check box of a cell, in its upper half, in the cell area as it is
    // laid out now.
    GridPoint BoxPoint(int column, int row) const {
        const GridRect r = grid.CellRect(column, row);
        return {r.left + 9, r.top + 6};
    }
    void Click(GridPoint p) {
        grid.OnLButtonDown(p);
        grid.OnLButtonUp(p);
    }
    std::vector<int> TickedRows(int column) {
        std::vector<int> rows;
        for (int r = 0; r < grid.RowCount(); ++r)
            if (grid.IsTicked(column, r)) rows.push_back(r);
        return rows;
    }

    CListGrid grid;
    CountingView view;
    std::vector<std::u16string> opened;
};

TEST_F(ResultList, TickCommandsRepaintTheWholeList) {
    view = CountingView();
    OnTickRightColumn(grid, nullptr);
    EXPECT_TRUE(view.CoversWhole(GridPart::Cells));
    view = CountingView();
    OnClearAllTicks(grid, nullptr);
    EXPECT_TRUE(view.CoversWhole(GridPart::Cells));
}

TEST_F(ResultList, AToggleRepaintsItsCellByMouseAndBySpace) {
    const GridPoint box = BoxPoint(1, 3);
    grid.OnLButtonDown(box);
    view = CountingView(); // what the press itself repaints does not count
    grid.OnLButtonUp(box);
    ASSERT_TRUE(grid.IsTicked(1, 3));
    EXPECT_TRUE(view.Covers(GridPart::Cells, grid.CellRect(1, 3)));
    grid.MoveTo(0, 5);
    view = CountingView();
    ASSERT_TRUE(grid.OnKeyDown(GridKey::kSpace, false));
    ASSERT_TRUE(grid.IsTicked(0, 5));
    EXPECT_TRUE(view.Covers(GridPart::Cells, grid.CellRect(0, 5)));
}

TEST_F(ResultList, TheHeadingHighlightFollowsTheCurrentColumn) {
    grid.MoveTo(0, 2);
    view = CountingView();
    grid.OnLButtonDown({grid.ColumnLeft(1) + 60, 45}); // a caption of column 1, row 2
    EXPECT_EQ(grid.CurrentColumn(), 1);
    EXPECT_TRUE(view.Covers(GridPart::TopHeading, grid.CellRect(0, -1)));
    EXPECT_TRUE(view.Covers(GridPart::TopHeading, grid.CellRect(1, -1)));
}

TEST_F(ResultList, AnAppendedRowThatShowsIsRepainted) {
    grid.RemoveAllRows();
    for (int i = 0; i < 3; ++i) AppendResultRow(grid, u"D:\\a", u"D:\\b");
    view = CountingView();
    grid.AppendRow();
    const GridRect row3{0, 60, grid.ViewWidth(), 80};
    EXPECT_TRUE(view.Covers(GridPart::Cells, row3));
    EXPECT_TRUE(view.Covers(GridPart::SideHeading, {0, 60, CGridCtrl::kSideHeadingWidth, 80}));
}

TEST_F(ResultList, EmptyingTheListRepaintsEveryPart) {
    ASSERT_EQ(grid.TopRow(), 0); // no scrolling that would repaint on its own
    view = CountingView();
    grid.RemoveAllRows();
    EXPECT_EQ(grid.RowCount(), 0);
    for (GridPart part : {GridPart::Cells, GridPart::TopHeading, GridPart::SideHeading})
        EXPECT_TRUE(view.CoversWhole(part)) << static_cast<int>(part);
}

TEST_F(ResultList, AClickOnThePartlyShownLastRowTicksThatRow) {
    const GridPoint box = BoxPoint(1, 10); // y 210 cuts row 10 in half; its box starts at 204
    ASSERT_LT(box.y, grid.ViewHeight());
    Click(box);
    EXPECT_EQ(TickedRows(1), std::vector<int>{10});
    EXPECT_EQ(TickedRows(0), std::vector<int>{});
    EXPECT_EQ(grid.CurrentRow(), 10);
    Click(box); // and the same place again takes the tick off the same row
    EXPECT_EQ(TickedRows(1), std::vector<int>{});
}

TEST_F(ResultList, ADoubleClickOnThePartlyShownLastRowOpensThatRow) {
    const GridPoint caption{grid.ColumnLeft(1) + 80, 205};
    grid.OnLButtonDown(caption);
    grid.OnLButtonUp(caption);
    grid.OnLButtonDblClk(caption);
    grid.OnLButtonUp(caption);
    EXPECT_EQ(opened, std::vector<std::u16string>{u"D:\\b\\B0"});
}

TEST_F(ResultList, AClickOnAScrolledListTicksThePressedRow) {
    grid.SetTopRow(7);
    Click(BoxPoint(0, 9));
    EXPECT_EQ(TickedRows(0), std::vector<int>{9});
    Click(BoxPoint(1, 17)); // the half-shown last row of the scrolled list
    EXPECT_EQ(TickedRows(1), std::vector<int>{17});
}

TEST_F(ResultList, AClickOnAPartlyShownColumnTicksThatColumn) {
    grid.SetColumnWidth(0, 330); // column 1 shows only its first 70 pixels
    Click(BoxPoint(1, 0));
    EXPECT_EQ(TickedRows(1), std::vector<int>{0});
    EXPECT_EQ(TickedRows(0), std::vector<int>{});
}

} // namespace
