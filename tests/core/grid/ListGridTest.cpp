#include "core/grid/CListGrid.h"

#include <gtest/gtest.h>

namespace {

struct TwoColumns : CListGrid {
    TwoColumns() {
        SetupHook();
        SetViewSize(400, 200);
        SetColumnCount(2);
    }
};

CGridCell Decorated(const CGridCtrl& grid, int column, int row) {
    CGridCell cell;
    grid.EffectiveCell(column, row, cell);
    return cell;
}

TEST(ListGrid, SetupFixesTheListBehaviour) {
    TwoColumns grid;
    EXPECT_TRUE(grid.HintsEnabled());
    EXPECT_FALSE(grid.TextOverflow());
    EXPECT_FALSE(grid.DoubleBuffered());
    EXPECT_FALSE(grid.AllowRowResize(0));
    EXPECT_FALSE(grid.AllowTopHeadingResize());
    EXPECT_FALSE(grid.AllowSideHeadingResize());
}

TEST(ListGrid, HintsAreLabelsCutToFitTheToolTipBuffer) {
    TwoColumns grid;
    grid.SetRowCount(3);
    const std::u16string path79 = u"D:\\" + std::u16string(76, u'x');
    const std::u16string path80 = u"D:\\" + std::u16string(77, u'y');
    grid.SetCellLabel(0, 0, path79);
    grid.SetCellLabel(0, 1, path80);
    grid.SetCellText(1, 0, u"text only"); // a cell without a label has no hint
    EXPECT_EQ(grid.HintAt({10, 5}), path79);
    const std::u16string hint80 = grid.HintAt({10, 25});
    EXPECT_EQ(hint80, path80.substr(0, 76) + u"...");
    EXPECT_EQ(hint80.size(), 79u);
    EXPECT_EQ(grid.HintAt({100, 5}), u"");
    std::u16string text = u"stale";
    EXPECT_FALSE(grid.HintText(-1, 0, 0, text));
    EXPECT_EQ(text, u"");
    EXPECT_FALSE(grid.HintText(0, -1, 0, text));
    EXPECT_TRUE(grid.HintText(0, 0, 0, text));
    // A pair of surrogates at the cut is dropped whole, never halved.
    std::u16string emoji = std::u16string(75, u'a') + u"\U0001F600" + u"bbbb";
    EXPECT_EQ(CListGrid::HintForLabel(emoji), std::u16string(75, u'a') + u"...");
}

TEST(ListGrid, SideHeadingNumbersRowsAndMarksTheCurrentOne) {
    TwoColumns grid;
    grid.SetRowCount(3);
    grid.MoveToRow(1);
    EXPECT_EQ(Decorated(grid, -1, 0).Text(), u"1");
    EXPECT_EQ(Decorated(grid, -1, 2).Text(), u"3");
    EXPECT_EQ(Decorated(grid, -1, 0).BackColour(), SysColour::kButtonFace);
    EXPECT_EQ(Decorated(grid, -1, 1).BackColour(), kLightYellow);
    CGridCell stored;
    grid.ReadCell(-1, 1, stored);
    EXPECT_EQ(stored.Mask(), 0u); // numbers are drawn, never stored
}

TEST(ListGrid, TopHeadingFollowsTheCurrentColumn) {
    TwoColumns grid;
    // No rows yet: both headings keep the heading default.
    EXPECT_EQ(Decorated(grid, 0, -1).BackColour(), SysColour::kButtonFace);
    grid.SetRowCount(1);
    grid.MoveTo(1, 0);
    EXPECT_EQ(Decorated(grid, 1, -1).BackColour(), kLightYellow);
    EXPECT_EQ(Decorated(grid, 0, -1).BackColour(), SysColour::kButtonFace);
    grid.MoveTo(0, 0);
    EXPECT_EQ(Decorated(grid, 0, -1).BackColour(), kLightYellow);
    EXPECT_EQ(Decorated(grid, 1, -1).BackColour(), SysColour::kButtonFace);
    // The one-column folder list keeps the default heading colour.
    TwoColumns one;
    one.SetColumnCount(1);
    one.SetRowCount(1);
    CGridCell heading;
    one.EffectiveCell(0, -1, heading);
    EXPECT_FALSE(heading.Has(CGridCell::kBackColour) && heading.BackColour() == kLightYellow);
}

TEST(ListGrid, DoubleClickOpensTheLabelOfAnOrdinaryCell) {
    TwoColumns grid;
    grid.SetRowCount(2);
    grid.SetCellLabel(1, 0, u"D:\\b.txt");
    std::vector<std::u16string> opened;
    grid.SetOpenHandler([&](const std::u16string& path) { opened.push_back(path); });
    grid.OnLButtonDblClk({80, 5});
    grid.OnLButtonDblClk({80, 25}); // no label: nothing
    grid.OnLButtonDblClk({300, 5}); // no cell
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], u"D:\\b.txt");
}

TEST(ListGrid, TicksAreWrittenAsBooleansAndReadBack) {
    TwoColumns grid;
    grid.SetRowCount(1);
    EXPECT_FALSE(grid.IsTicked(0, 0)); // nothing written
    grid.SetTicked(0, 0, true);
    CGridCell cell;
    grid.ReadCell(0, 0, cell);
    EXPECT_EQ(cell.Text(), u"1");
    EXPECT_EQ(cell.DataType(), CGridCell::kTypeBoolean);
    EXPECT_TRUE(grid.IsTicked(0, 0));
    for (const char16_t* text : {u"T", u" +3", u"1.000000"}) {
        grid.SetCellText(0, 0, text);
        EXPECT_TRUE(grid.IsTicked(0, 0)) << "ticked";
    }
    for (const char16_t* text : {u"", u"0.000000", u"F"}) {
        grid.SetCellText(0, 0, text);
        EXPECT_FALSE(grid.IsTicked(0, 0)) << "unticked";
    }
    EXPECT_EQ(grid.SetTicked(2, 0, true), CGridCtrl::kOutOfRange);
    EXPECT_FALSE(grid.IsTicked(0, 5));
    EXPECT_EQ(grid.CellPath(0, 5), std::nullopt);
}

} // namespace
