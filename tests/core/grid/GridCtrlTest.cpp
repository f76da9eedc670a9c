#include "core/grid/CCheckBoxCellType.h"
#include "core/grid/CGridCtrl.h"

#include "core/grid/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A grid with a cell area of the size a window would report.
struct SizedGrid : CGridCtrl {
    explicit SizedGrid(int columns = 2, int rows = 0, int width = 400, int height = 200) {
        SetColumnCount(columns);
        SetRowCount(rows);
        SetViewSize(width, height);
    }
};

TEST(GridCtrl, HeadingTextOnRowMinusOneLeavesTheRowCountAtZero) {
    SizedGrid grid;
    EXPECT_EQ(grid.SetCellText(0, -1, u"源文件"), CGridCtrl::kOk);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.CellText(0, -1), u"源文件");
    EXPECT_EQ(grid.CurrentRow(), -1);
    EXPECT_EQ(grid.SetCellText(0, 0, u"x"), CGridCtrl::kOutOfRange);
    EXPECT_EQ(grid.SetCellText(2, -1, u"x"), CGridCtrl::kOutOfRange);
    EXPECT_EQ(grid.CellText(0, 0), std::nullopt);
}

TEST(GridCtrl, RowCountMovesTheCurrentCell) {
    SizedGrid grid(2, 0);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.CurrentRow(), 0); // no current row before: the first becomes current
    EXPECT_EQ(grid.CurrentColumn(), 0);
    grid.MoveTo(1, 2);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.CurrentRow(), 1);
    grid.SetRowCount(0);
    EXPECT_EQ(grid.CurrentRow(), -1);
    grid.AppendRow();
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.SetRowCount(-1), CGridCtrl::kOutOfRange);
    EXPECT_EQ(grid.RowCount(), 1);
}

TEST(GridCtrl, ColumnCountKeepsTheCurrentColumnInRangeAndDropsCells) {
    SizedGrid grid(3, 1);
    grid.SetCellText(2, 0, u"gone");
    grid.MoveTo(2, 0);
    grid.SetColumnCount(2);
    EXPECT_EQ(grid.CurrentColumn(), 1);
    grid.SetColumnCount(3);
    EXPECT_EQ(grid.CellText(2, 0), std::nullopt); // a regrown column starts empty
    EXPECT_EQ(grid.SetColumnCount(32001), CGridCtrl::kOutOfRange);
    EXPECT_EQ(grid.ColumnCount(), 3);
    EXPECT_EQ(grid.ColumnWidth(2), 75);
}

TEST(GridCtrl, ReadCellGivesWhatWasStoredAndTheEffectiveCellAddsDefaults) {
    SizedGrid grid(2, 0);
    CGridCell defaults;
    defaults.SetCellType(2);
    defaults.SetText(u"0");
    grid.SetColumnDefault(1, defaults);
    grid.AppendRow(); // a row appended after the default was set gets it too
    grid.SetCellLabel(1, 0, u"D:\\b.txt");

    CGridCell cell;
    cell.SetBorder(4); // ReadCell empties the given cell first
    grid.ReadCell(1, 0, cell);
    EXPECT_EQ(cell.Mask(), CGridCell::kLabel);
    grid.EffectiveCell(1, 0, cell);
    EXPECT_EQ(cell.CellType(), 2);
    EXPECT_EQ(cell.Text(), u"0");
    EXPECT_EQ(cell.Label(), u"D:\\b.txt");
    grid.EffectiveCell(0, 0, cell);
    EXPECT_EQ(cell.CellType(), 0);
    grid.EffectiveCell(0, -1, cell); // headings start from the heading default
    EXPECT_EQ(cell.BackColour(), SysColour::kButtonFace);
    EXPECT_EQ(grid.ReadCell(2, 0, cell), CGridCtrl::kOutOfRange);
    EXPECT_EQ(cell.Mask(), 0u);
}

TEST(GridCtrl, NewColumnsCopyTheGridDefault) {
    CGridCtrl grid;
    CGridCell cell;
    cell.SetBorder(12);
    grid.SetGridDefault(cell);
    grid.SetColumnCount(1);
    grid.GetColumnDefault(0, cell);
    EXPECT_EQ(cell.Border(), 12);
}

TEST(GridCtrl, CellTextCopiesOutliveTheScratchCell) {
    SizedGrid grid(2, 1);
    grid.SetCellText(0, 0, std::u16string(300, u'a'));
    grid.SetCellText(1, 0, u"b");
    const auto first = grid.CellText(0, 0);
    const auto second = grid.CellText(1, 0);
    EXPECT_EQ(first->size(), 300u);
    EXPECT_EQ(*second, u"b");
    EXPECT_EQ(grid.CellText(1, 0), u"b");
}

TEST(GridCtrl, FitAllColumnsFillsTheWidthToThePixelAndKeepsProportions) {
    SizedGrid grid(2, 0, 400);
    grid.SetScrollArrowWidth(16);
    grid.FitAllColumns();
    EXPECT_EQ(grid.ColumnWidth(0), 198);
    EXPECT_EQ(grid.ColumnWidth(1), 198);
    // The user drags the first border to 100 pixels; the next fit keeps 100 : 198.
    grid.SetColumnWidth(0, 100);
    grid.SetViewSize(800, 200);
    grid.FitAllColumns();
    EXPECT_EQ(grid.ColumnWidth(0), 267); // 100 * 796 / 298, truncated
    EXPECT_EQ(grid.ColumnWidth(1), 796 - 267);
    SizedGrid three(3, 0, 301);
    three.FitAllColumns();
    EXPECT_EQ(three.ColumnWidth(0) + three.ColumnWidth(1) + three.ColumnWidth(2), 301);
    EXPECT_EQ(three.FitColumnsToWidth(1, 0), CGridCtrl::kOutOfRange);
    EXPECT_EQ(three.FitColumnsToWidth(0, 3), CGridCtrl::kOutOfRange);
}

TEST(GridCtrl, FitSharesTheWidthWhenEveryColumnWasDraggedToNothing) {
    SizedGrid grid(2, 0, 400);
    grid.SetColumnWidth(0, 0);
    grid.SetColumnWidth(1, 0);
    grid.FitAllColumns();
    EXPECT_EQ(grid.ColumnWidth(0), 200);
    EXPECT_EQ(grid.ColumnWidth(1), 200);
}

TEST(GridCtrl, MoveToRowClampsAndScrollsIntoView) {
    SizedGrid grid(2, 100, 400, 200); // ten whole rows show
    grid.MoveToRow(150);
    EXPECT_EQ(grid.CurrentRow(), 99);
    EXPECT_EQ(grid.TopRow(), 90);
    grid.MoveToRow(-5);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.TopRow(), 0);
    int column = -2, row = -2;
    EXPECT_EQ(grid.FirstSelectedCell(column, row), CGridCtrl::kOk);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(row, 0);
    CGridCtrl empty;
    EXPECT_EQ(empty.MoveToRow(0), CGridCtrl::kOutOfRange);
}

TEST(GridCtrl, KeysMoveTheCurrentCellAndStopAtTheEdges) {
    SizedGrid grid(2, 50, 400, 200);
    EXPECT_TRUE(grid.OnKeyDown(GridKey::kDown, false));
    EXPECT_EQ(grid.CurrentRow(), 1);
    grid.OnKeyDown(GridKey::kUp, false);
    grid.OnKeyDown(GridKey::kUp, false);
    EXPECT_EQ(grid.CurrentRow(), 0);
    grid.OnKeyDown(GridKey::kPageDown, false);
    EXPECT_EQ(grid.CurrentRow(), 10);
    grid.OnKeyDown(GridKey::kPageUp, false);
    EXPECT_EQ(grid.CurrentRow(), 0);
    grid.OnKeyDown(GridKey::kRight, false);
    grid.OnKeyDown(GridKey::kRight, false);
    EXPECT_EQ(grid.CurrentColumn(), 1);
    grid.OnKeyDown(GridKey::kHome, false);
    EXPECT_EQ(grid.CurrentColumn(), 0);
    grid.OnKeyDown(GridKey::kEnd, false);
    EXPECT_EQ(grid.CurrentColumn(), 1);
    grid.OnKeyDown(GridKey::kEnd, true);
    EXPECT_EQ(grid.CurrentRow(), 49);
    EXPECT_EQ(grid.TopRow(), 40);
    grid.OnKeyDown(GridKey::kHome, true);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_FALSE(grid.OnKeyDown('A', false));
}

TEST(GridCtrl, WheelMovesThreeRowsANotchAndLeavesTheCurrentCell) {
    SizedGrid grid(2, 50, 400, 200);
    grid.OnMouseWheel(-120);
    EXPECT_EQ(grid.TopRow(), 3);
    grid.OnMouseWheel(-240);
    EXPECT_EQ(grid.TopRow(), 9);
    grid.OnMouseWheel(-1500);
    EXPECT_EQ(grid.TopRow(), 40); // the last page
    grid.OnMouseWheel(60);        // half of the 1500's last notch comes back: still nothing
    EXPECT_EQ(grid.TopRow(), 40);
    grid.OnMouseWheel(1200);
    EXPECT_EQ(grid.TopRow(), 10);
    EXPECT_EQ(grid.CurrentRow(), 0);
}

// A touchpad turns the wheel in small steps: they add up to notches, whatever their signs,
// and going back and forth by the same steps ends where it began.
TEST(GridCtrl, PartsOfANotchAddUpOnBothWheels) {
    struct Case {
        std::vector<int> steps;
        int topRow;
    };
    const Case cases[] = {
        {{-20, -20, -20, -20, -20}, 20},      // five sixths of a notch: nothing yet
        {{-20, -20, -20, -20, -20, -20}, 23}, // six make one notch
        {{-100, 30, -40}, 20},                // back and forth, still short of a notch
        {{-100, 30, -40, -20}, 23},
        {{-7, 7, -7, 7, -7, 7, -7, 7, -7, 7}, 20}, // no drift
        {{-130, -130, -100}, 29},                  // 360 is three notches
    };
    for (const Case& c : cases) {
        SizedGrid grid(30, 50, 400, 200);
        grid.SetTopRow(20);
        for (int step : c.steps) grid.OnMouseWheel(step);
        EXPECT_EQ(grid.TopRow(), c.topRow) << c.steps.size();
        for (int step : c.steps) grid.OnMouseHWheel(-step);
        EXPECT_EQ(grid.LeftColumn(), (c.topRow - 20) / 3) << c.steps.size();
    }
}

// Every size is its 96-dpi one scaled as the platform scales: rows stay uniform, and a check
// box keeps its place in the row.
TEST(GridCtrl, SizesFollowTheWindowsDpi) {
    struct Case {
        int dpi, row, side, column, box;
    };
    for (const Case& c : {Case{96, 20, 40, 75, 12}, Case{120, 25, 50, 94, 15},
                          Case{144, 30, 60, 113, 18}, Case{192, 40, 80, 150, 24}}) {
        CGridCtrl grid;
        grid.SetDpi(c.dpi);
        grid.SetColumnCount(2);
        grid.SetRowCount(50);
        grid.SetViewSize(400, 200);
        EXPECT_EQ(grid.RowHeight(), c.row) << c.dpi;
        EXPECT_EQ(grid.TopHeadingHeight(), c.row) << c.dpi;
        EXPECT_EQ(grid.SideHeadingWidth(), c.side) << c.dpi;
        EXPECT_EQ(grid.ColumnWidth(1), c.column) << c.dpi;
        const GridRect cell = grid.CellRect(1, 2);
        EXPECT_EQ(cell.top, 2 * c.row) << c.dpi;
        EXPECT_EQ(cell.Height(), c.row) << c.dpi;
        int column = -1, row = -1;
        ASSERT_TRUE(grid.CellAt({c.column + 1, 3 * c.row - 1}, column, row)) << c.dpi;
        EXPECT_EQ(row, 2) << c.dpi;
        EXPECT_EQ(column, 1) << c.dpi;
        ASSERT_TRUE(grid.CellAt({c.column + 1, 3 * c.row}, column, row));
        EXPECT_EQ(row, 3) << c.dpi;
        const CheckBoxGeometry box = CheckBoxFor(cell, c.dpi);
        EXPECT_EQ(box.size, c.box) << c.dpi;
        EXPECT_EQ(box.y0 - cell.top, (c.row - c.box) / 2) << c.dpi;
        EXPECT_EQ(grid.PageRows(), 200 / c.row) << c.dpi;
    }
}

// What a hint says is about the cell under the pointer: the view hears of every scroll and
// every move of the current cell, and of nothing that leaves them where they were.
TEST(GridCtrl, TheViewHearsOfEveryScrollAndMove) {
    SizedGrid grid(30, 50, 400, 200);
    CountingView view;
    grid.SetView(&view);
    const std::pair<std::function<void()>, bool> steps[] = {
        {[&] { grid.OnMouseWheel(-20); }, false},
        {[&] { grid.OnMouseWheel(-100); }, true},
        {[&] { grid.OnMouseHWheel(120); }, true},
        {[&] { grid.OnKeyDown(GridKey::kDown, false); }, true},
        {[&] { grid.SetTopRow(grid.TopRow()); }, false},
        {[&] { grid.OnKeyDown(GridKey::kUp, false); }, true},
        {[&] { grid.OnKeyDown(GridKey::kUp, false); }, false}, // already on the first row
    };
    for (const auto& [step, moves] : steps) {
        view.moves = 0;
        step();
        EXPECT_EQ(view.moves > 0, moves) << &step - &steps[0].first;
    }
}

TEST(GridCtrl, HitTestFindsCellsAndColumnBorders) {
    SizedGrid grid(2, 3, 400, 200);
    int column = -1, row = -1;
    ASSERT_TRUE(grid.CellAt({80, 45}, column, row));
    EXPECT_EQ(column, 1);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(grid.CellAt({10, 65}, column, row)); // below the last row
    EXPECT_FALSE(grid.CellAt({160, 5}, column, row)); // right of the last column
    EXPECT_EQ(grid.ColumnBorderAt(74), 0);
    EXPECT_EQ(grid.ColumnBorderAt(150), 1);
    EXPECT_EQ(grid.ColumnBorderAt(40), -1);
}

TEST(GridCtrl, SwapRowsExchangesWholeCellsAndRemoveAllRowsEmpties) {
    SizedGrid grid(1, 3);
    grid.SetCellText(0, 0, u"a");
    grid.SetCellLabel(0, 2, u"c");
    EXPECT_EQ(grid.SwapRows(0, 2, true), CGridCtrl::kOk);
    EXPECT_EQ(grid.CellText(0, 0), std::nullopt);
    EXPECT_EQ(grid.CellText(0, 2), u"a");
    CGridCell cell;
    grid.ReadCell(0, 0, cell);
    EXPECT_EQ(cell.Label(), u"c");
    EXPECT_EQ(grid.SwapRows(0, 3, true), CGridCtrl::kOutOfRange);
    grid.RemoveAllRows();
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.CurrentRow(), -1);
    grid.SetRowCount(3); // no old cell comes back with the rows
    EXPECT_EQ(grid.CellText(0, 2), std::nullopt);
}

TEST(GridCtrl, RemoveRowMovesLaterRowsUp) {
    SizedGrid grid(1, 3);
    grid.SetCellText(0, 2, u"last");
    grid.MoveToRow(2);
    EXPECT_EQ(grid.RemoveRow(1), CGridCtrl::kOk);
    EXPECT_EQ(grid.CellText(0, 1), u"last");
    EXPECT_EQ(grid.CurrentRow(), 1);
    EXPECT_EQ(grid.RemoveRow(2), CGridCtrl::kOutOfRange);
}

TEST(GridCtrl, PaintingBuildsOnlyTheVisibleRows) {
    SizedGrid grid(2, 100000, 400, 200);
    RecordingCanvas canvas;
    grid.Paint(GridPart::Cells, canvas, {0, 0, 400, 200});
    // Ten rows of two cells, one background each, plus nothing for the stored rest.
    EXPECT_EQ(canvas.fills.size(), 20u + 1u);
    grid.SetTopRow(99995);
    EXPECT_EQ(grid.TopRow(), 99990);
    RecordingCanvas side;
    grid.Paint(GridPart::SideHeading, side, {0, 0, 40, 200});
    EXPECT_EQ(side.fills.size(), 10u);
}

TEST(GridCtrl, TheBaseHintNamesColumnAndRowAndTheBaseFrameIsDrawn) {
    SizedGrid grid(2, 2);
    grid.SetHintsEnabled(1);
    EXPECT_EQ(grid.HintAt({80, 25}), u"Col:1 Row:1");
    grid.SetHintsEnabled(0);
    EXPECT_EQ(grid.HintAt({80, 25}), u"");
    RecordingCanvas canvas;
    grid.Paint(GridPart::Cells, canvas, {0, 0, 400, 200});
    EXPECT_EQ(canvas.focusRects, 1);
}

TEST(GridCtrl, MovingTheCurrentCellRepaintsOnlyWhatChanges) {
    SizedGrid grid(2, 5);
    CountingView view;
    grid.SetView(&view);
    grid.MoveTo(1, 3);
    EXPECT_GT(view.invalidations[static_cast<int>(GridPart::Cells)], 0);
    EXPECT_EQ(view.invalidations[static_cast<int>(GridPart::TopHeading)], 0);
    // Emptied and refilled with the current column unchanged: the first row still repaints
    // the headings, whose colours depend on there being rows.
    grid.RemoveAllRows();
    view = CountingView();
    grid.AppendRow();
    EXPECT_GT(view.invalidations[static_cast<int>(GridPart::TopHeading)], 0);
    view = CountingView();
    grid.AppendRow();
    EXPECT_EQ(view.invalidations[static_cast<int>(GridPart::TopHeading)], 0);
    grid.SetView(nullptr);
}

} // namespace
