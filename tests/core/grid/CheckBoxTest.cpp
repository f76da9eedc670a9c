#include "core/grid/CCheckBoxCellType.h"
#include "core/grid/CListGrid.h"
#include "core/results/ResultRows.h"

#include "core/grid/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Remembers the events the check boxes raise.
struct EventGrid : CListGrid {
    struct Event {
        int type, column, row, code, param;
    };
    bool CellTypeEvent(int type, int column, int row, int code, int param) override {
        events.push_back({type, column, row, code, param});
        return true;
    }
    std::vector<Event> events;
};

struct ResultGrid : EventGrid {
    ResultGrid() {
        SetupHook();
        SetViewSize(400, 200);
        SetUpResultGrid(*this, 1);
        AppendResultRow(*this, u"D:\\a.txt", u"D:\\b.txt");
        AppendResultRow(*this, u"D:\\a.txt", u"D:\\c.txt");
    }
};

TEST(CheckBox, BoxSizeFollowsTheRowHeight) {
    const CheckBoxGeometry normal = CheckBoxFor({10, 20, 110, 40}, 96);
    EXPECT_EQ(normal.size, 12);
    EXPECT_EQ(normal.x0, 13);
    EXPECT_EQ(normal.x1, 25);
    EXPECT_EQ(normal.y0, 24);
    EXPECT_EQ(normal.y1, 36);
    const CheckBoxGeometry sixteen = CheckBoxFor({0, 0, 100, 16}, 96);
    EXPECT_EQ(sixteen.size, 10);
    EXPECT_EQ(sixteen.y0, 3);
    EXPECT_TRUE(sixteen.HasBox());
    const CheckBoxGeometry eleven = CheckBoxFor({0, 0, 100, 11}, 96);
    EXPECT_EQ(eleven.size, 5);
    EXPECT_FALSE(eleven.HasBox());
    EXPECT_FALSE(HitsCheckBox(eleven, {4, 5}));
}

TEST(CheckBox, OnlyTheSquareWithItsOutlineIsHit) {
    const CheckBoxGeometry box = CheckBoxFor({0, 0, 100, 20}, 96); // (3, 4) to (15, 16)
    EXPECT_TRUE(HitsCheckBox(box, {3, 4}));
    EXPECT_TRUE(HitsCheckBox(box, {15, 16}));
    EXPECT_TRUE(HitsCheckBox(box, {15, 10}));
    EXPECT_FALSE(HitsCheckBox(box, {16, 10}));
    EXPECT_FALSE(HitsCheckBox(box, {2, 10}));
    EXPECT_FALSE(HitsCheckBox(box, {9, 17}));
    EXPECT_FALSE(HitsCheckBox(box, {9, 3}));
}

TEST(CheckBox, AReleaseOnTheBoxTogglesAsANumberAndRaisesTheEvent) {
    ResultGrid grid; // row 1 starts at y 20
    const int x = grid.ColumnLeft(1);
    grid.OnLButtonUp({x + 15, 20 + 16}); // the bottom right corner of the square
    EXPECT_EQ(grid.CellText(1, 1), u"1.000000");
    EXPECT_TRUE(grid.IsTicked(1, 1));
    ASSERT_EQ(grid.events.size(), 1u);
    EXPECT_EQ(grid.events[0].type, 2);
    EXPECT_EQ(grid.events[0].column, 1);
    EXPECT_EQ(grid.events[0].row, 1);
    EXPECT_EQ(grid.events[0].code, 53);
    EXPECT_EQ(grid.events[0].param, 1);
    grid.OnLButtonUp({x + 3, 20 + 4}); // the top left corner
    EXPECT_EQ(grid.CellText(1, 1), u"0.000000");
    EXPECT_FALSE(grid.IsTicked(1, 1));
    EXPECT_EQ(grid.events.back().param, 0);
    // The caption, and just outside the square, change nothing.
    grid.OnLButtonUp({x + 40, 30});
    grid.OnLButtonUp({x + 16, 30});
    grid.OnLButtonDown({x + 9, 30}); // a press alone never toggles
    grid.OnLButtonDblClk({x + 9, 30});
    EXPECT_EQ(grid.CellText(1, 1), u"0.000000");
    EXPECT_FALSE(grid.IsTicked(0, 1)); // no other cell moved
    EXPECT_EQ(grid.events.size(), 2u);
}

TEST(CheckBox, SpaceTogglesTheStoredCurrentCell) {
    ResultGrid grid;
    grid.MoveTo(1, 0);
    EXPECT_TRUE(grid.OnKeyDown(GridKey::kSpace, false));
    EXPECT_EQ(grid.CellText(1, 0), u"1.000000");
    EXPECT_EQ(grid.CurrentRow(), 0); // the space does not move the current cell
    EXPECT_TRUE(grid.OnKeyDown(GridKey::kSpace, false));
    EXPECT_FALSE(grid.IsTicked(1, 0));
    EXPECT_EQ(grid.events.size(), 2u);
    EXPECT_TRUE(grid.OnKeyDown(GridKey::kDown, false)); // other keys are passed on
    EXPECT_EQ(grid.CurrentRow(), 1);
}

TEST(CheckBox, ReadOnlyCellsCannotBeToggled) {
    ResultGrid grid;
    CGridCell cell;
    grid.ReadCell(0, 0, cell);
    cell.SetReadOnly(1);
    grid.WriteCell(0, 0, cell);
    grid.MoveTo(0, 0);
    EXPECT_FALSE(grid.OnKeyDown(GridKey::kSpace, false));
    grid.OnLButtonUp({9, 10});
    EXPECT_EQ(grid.CellText(0, 0), u"0");
    // Read-only on the column default holds for the space bar too.
    CGridCell locked;
    locked.SetReadOnly(1);
    grid.SetColumnDefault(1, locked);
    grid.MoveTo(1, 1);
    EXPECT_FALSE(grid.OnKeyDown(GridKey::kSpace, false));
    EXPECT_TRUE(grid.events.empty());
}

TEST(CheckBox, TheTickIsDrawnExactlyWhenTheCellReadsAsTicked) {
    CListGrid grid;
    grid.SetColumnCount(1);
    CGridCell cell;
    cell.SetCellType(2);
    cell.SetCellTypeStyle(0x1100);
    cell.SetLabel(u"D:\\a.txt");
    const CCellType& type = grid.CellTypeAt(2);
    EXPECT_EQ(std::u16string(type.Name()), u"Standard CheckBox Type");
    struct Case {
        const char16_t* text;
        int height;
        int blackLines; // inner frame left and top, then the tick's strokes
    } cases[] = {
        {u"0", 20, 2},        {u"1", 20, 2 + 6},        {u"T", 20, 2 + 6},
        {u"0.000000", 20, 2}, {u"1.000000", 16, 2 + 6}, {u"1", 15, 2 + 2},
        {u"1", 11, 0},
    };
    for (const Case& c : cases) {
        cell.SetText(c.text);
        RecordingCanvas canvas;
        type.Paint(grid, cell, {0, 0, 100, c.height}, false, canvas);
        EXPECT_EQ(canvas.BlackLines(), c.blackLines) << "text " << c.height;
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].text, u"D:\\a.txt"); // the caption is the label
        EXPECT_GE(canvas.texts[0].clip.left,
                  std::max(0, CheckBoxFor({0, 0, 100, c.height}, 96).size + 6));
    }
}

TEST(CheckBox, TheTickStrokesEndOutsideTheBox) {
    CListGrid grid;
    grid.SetColumnCount(1);
    CGridCell cell;
    cell.SetCellType(2);
    cell.SetCellTypeStyle(0x1100);
    cell.SetText(u"1");
    RecordingCanvas canvas;
    grid.CellTypeAt(2).Paint(grid, cell, {0, 0, 100, 20}, false, canvas);
    // Box (3, 4) to (15, 16); P, Q, R, S = 5, 6, 14, 15.
    const auto& l = canvas.lines;
    auto has = [&](GridPoint a, GridPoint b) {
        for (const auto& x : l)
            if (x.colour == kBlack && x.from.x == a.x && x.from.y == a.y && x.to.x == b.x &&
                x.to.y == b.y)
                return true;
        return false;
    };
    EXPECT_TRUE(has({7, 11}, {9, 13}));
    EXPECT_TRUE(has({9, 13}, {17, 5}));
    EXPECT_TRUE(has({10, 13}, {18, 5}));
    EXPECT_TRUE(has({7, 9}, {10, 12}));
    // The outer frame: shadow on the left and top, light grey on the right and bottom.
    EXPECT_EQ(l[0].colour, SysColour::kButtonShadow);
    EXPECT_EQ(l[2].colour, kBoxLightGrey);
    EXPECT_EQ(l[2].from.x, 15);
}

} // namespace
