#include "core/results/ResultRows.h"

#include "core/grid/CCheckBoxCellType.h"

namespace {

constexpr GridColour kCurrentCellBack = 0xB9FFFF;

void UseListColours(CGridCell& cell) {
    cell.SetBorder(CGridCell::kBorderRight | CGridCell::kBorderBottom);
    cell.SetHighlightTextColour(kBlack);
    cell.SetHighlightBackColour(kCurrentCellBack);
}

bool RefuseEmpty(CListGrid& grid, const ShowMessage& show) {
    if (grid.RowCount() > 0) return false;
    if (show) show(std::u16string(kEmptyListMessage));
    return true;
}

} // namespace

void SetUpResultGrid(CListGrid& grid, GridFont font) {
    grid.SetDefaultFont(font);
    grid.SetColumnCount(2, true);
    grid.SetRowCount(0, true);
    grid.SetHScrollTracking(1);
    grid.SetVScrollTracking(1);
    grid.SetCellText(0, -1, u"源文件");
    grid.SetCellText(1, -1, u"重复/空文件");
    CGridCell cell;
    grid.GetColumnDefault(0, cell);
    cell.SetCellType(CGridCtrl::kCheckBoxType);
    cell.SetCellTypeStyle(CCheckBoxCellType::kStyleSunken | CCheckBoxCellType::kStyleTick);
    cell.SetLabel(u"");
    cell.SetText(u"0");
    cell.SetDataType(CGridCell::kTypeBoolean);
    UseListColours(cell);
    grid.SetColumnDefault(0, cell);
    grid.SetColumnDefault(1, cell);
    grid.SetCurrentCellStyle(3);
    grid.SetRowHighlight(0);
    grid.FitAllColumns();
}

void SetUpFolderGrid(CListGrid& grid, GridFont font) {
    grid.SetDefaultFont(font);
    CGridCell cell;
    grid.GetGridDefault(cell);
    UseListColours(cell);
    grid.SetGridDefault(cell);
    grid.SetColumnCount(1, true);
    grid.SetRowCount(0, true);
    grid.SetHScrollTracking(1);
    grid.SetVScrollTracking(1);
    grid.SetCurrentCellStyle(3);
    grid.SetRowHighlight(1);
    grid.SetCellText(0, -1, u"源文件夹");
    grid.FitAllColumns();
}

void AppendResultRow(CListGrid& grid, std::u16string_view left, std::u16string_view right) {
    grid.AppendRow();
    const int r = grid.RowCount() - 1;
    grid.SetCellLabel(0, r, left);
    grid.SetTicked(0, r, false);
    grid.SetCellLabel(1, r, right);
    grid.SetTicked(1, r, false);
}

bool OnTickRightColumn(CListGrid& grid, const ShowMessage& show) {
    if (RefuseEmpty(grid, show)) return false;
    for (int row = 0; row < grid.RowCount(); ++row) grid.SetTicked(1, row, true);
    grid.RepaintAll();
    return true;
}

bool OnClearAllTicks(CListGrid& grid, const ShowMessage& show) {
    if (RefuseEmpty(grid, show)) return false;
    for (int row = 0; row < grid.RowCount(); ++row) {
        grid.SetTicked(0, row, false);
        grid.SetTicked(1, row, false);
    }
    grid.RepaintAll();
    return true;
}
