#include "core/grid/CGridCell.h"

#include <gtest/gtest.h>

namespace {

TEST(GridCell, UnsetPropertiesReadAsTheirDefaults) {
    CGridCell cell;
    EXPECT_EQ(cell.Mask(), 0u);
    EXPECT_EQ(cell.Text(), u"");
    EXPECT_EQ(cell.DataType(), CGridCell::kTypeText);
    EXPECT_EQ(cell.CellType(), 0);
    EXPECT_EQ(cell.BackColour(), SysColour::kWindow);
    EXPECT_EQ(cell.HighlightBackColour(), SysColour::kHighlight);
    EXPECT_EQ(cell.Decimals(), 6);
    EXPECT_FALSE(cell.ReadOnly());
    // A value left behind under a cleared bit must not show through.
    cell.SetText(u"x");
    cell.SetBackColour(0x123456);
    cell.ClearMask();
    EXPECT_EQ(cell.Text(), u"");
    EXPECT_EQ(cell.BackColour(), SysColour::kWindow);
}

TEST(GridCell, MergeCopiesOnlyWhatTheSourceSets) {
    CGridCell target;
    target.SetText(u"keep");
    target.SetBorder(12);
    CGridCell source;
    source.SetLabel(u"D:\\a.txt");
    source.SetBorder(1);
    target.Merge(source);
    EXPECT_EQ(target.Mask(), CGridCell::kText | CGridCell::kBorder | CGridCell::kLabel);
    EXPECT_EQ(target.Text(), u"keep");
    EXPECT_EQ(target.Label(), u"D:\\a.txt");
    EXPECT_EQ(target.Border(), 1);
}

TEST(GridCell, ReplaceTakesTheSourceMaskWhole) {
    CGridCell target;
    target.SetText(u"old");
    target.SetCellType(2);
    CGridCell source;
    source.SetLabel(u"new");
    target.Replace(source);
    EXPECT_EQ(target.Mask(), CGridCell::kLabel);
    EXPECT_EQ(target.Text(), u"");
    EXPECT_EQ(target.CellType(), 0);
}

TEST(GridCell, NumbersAreWrittenWithTheDecimalsProperty) {
    CGridCell cell;
    cell.SetNumber(1);
    EXPECT_EQ(cell.Text(), u"1.000000");
    EXPECT_EQ(cell.DataType(), CGridCell::kTypeNumber);
    cell.SetDecimals(2);
    cell.SetNumber(0);
    EXPECT_EQ(cell.Text(), u"0.00");
    cell.SetDecimals(-3); // nonsense decimals give a whole number, not a broken text
    cell.SetNumber(1);
    EXPECT_EQ(cell.Text(), u"1");
    cell.SetDecimals(6);
    cell.SetNumber(1e300); // every digit of the largest values fits
    EXPECT_EQ(cell.Text().size(), 301u + 7u);
}

} // namespace
