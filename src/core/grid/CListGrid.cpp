#include "core/grid/CListGrid.h"

#include "core/grid/CheckState.h"
#include "core/text/DecimalText.h"

#include <string>

std::optional<std::u16string> CListGrid::CellPath(int column, int row) {
    if (ReadCell(column, row, scratch) != kOk || !scratch.Has(CGridCell::kLabel)) return {};
    return scratch.Label();
}

bool CListGrid::IsTicked(int column, int row) {
    if (ReadCell(column, row, scratch) != kOk || !scratch.Has(CGridCell::kText)) return false;
    return ReadsAsTicked(scratch.Text());
}

int CListGrid::SetTicked(int column, int row, bool ticked) {
    if (ReadCell(column, row, scratch) != kOk) return kOutOfRange;
    scratch.SetText(ticked ? u"1" : u"0");
    scratch.SetDataType(CGridCell::kTypeBoolean);
    return WriteCell(column, row, scratch);
}

void CListGrid::SetupHook() {
    SetUniformRowHeights(1);
    SetMultiSelect(0);
    SetDoubleBuffered(0);
    SetTextOverflow(0);
    SetHintsEnabled(1);
}

void CListGrid::DecorateCell(int column, int row, CGridCell& cell) const {
    if (column == -1 && row >= 0) {
        cell.SetText(DecimalText(row + 1));
        if (row == CurrentRow()) cell.SetBackColour(kLightYellow);
    } else if (row == -1 && column >= 0 && RowCount() >= 1 && ColumnCount() > 1) {
        cell.SetBackColour(column == CurrentColumn() ? kLightYellow : SysColour::kButtonFace);
    }
}

void CListGrid::CurrentCellChanged(int oldColumn, int newColumn, int, int) {
    if (RowCount() >= 1 && oldColumn != newColumn) {
        for (int c : {oldColumn, newColumn})
            if (c >= 0) RepaintCell(c, -1);
    }
}

void CListGrid::CellDoubleClicked(int column, int row, const GridRect&, GridPoint, bool) {
    if (column < 0 || row < 0) return;
    const std::optional<std::u16string> path = CellPath(column, row);
    if (path && !path->empty() && openHandler) openHandler(*path);
}

std::u16string CListGrid::HintForLabel(const std::u16string& label) {
    if (label.size() <= kMaxHintLength) return label;
    size_t n = kHintCut;
    // A pair of surrogates is one character: cut before it rather than through it.
    if (label[n - 1] >= 0xD800 && label[n - 1] < 0xDC00) --n;
    return label.substr(0, n) + u"...";
}

bool CListGrid::HintText(int column, int row, int, std::u16string& text) {
    text.clear();
    if (column < 0 || row < 0) return false;
    const std::optional<std::u16string> label = CellPath(column, row);
    if (label) text = HintForLabel(*label);
    return true;
}
