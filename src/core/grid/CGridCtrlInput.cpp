// Mouse, keys, wheel and hints as the window forwards them.
#include "core/grid/CGridCtrl.h"
#include "core/text/DecimalText.h"

#include <string>

void CGridCtrl::OnLButtonDown(GridPoint point) {
    int column = 0, row = 0;
    if (!CellAt(point, column, row)) return;
    // The press makes the cell current without scrolling it into view: the release and a
    // double click that follow are hit-tested where the pointer is, and a press on the partly
    // shown last row would otherwise bring the next row under the pointer before its release.
    SetCurrent(column, row);
    // A press changes no cell type's state, so it is not offered further.
}

void CGridCtrl::OnLButtonUp(GridPoint point) {
    int column = 0, row = 0;
    if (!CellAt(point, column, row)) return;
    CGridCell cell;
    EffectiveCell(column, row, cell);
    CellTypeOf(cell).OnLButtonUp(*this, column, row, CellRect(column, row), point);
}

void CGridCtrl::OnLButtonDblClk(GridPoint point) {
    int column = 0, row = 0;
    if (!CellAt(point, column, row)) return;
    // The cell types take a double click as a press, which toggles nothing.
    CellDoubleClicked(column, row, CellRect(column, row), point, false);
}

bool CGridCtrl::OnKeyDown(int key, bool ctrl) {
    if (InRange(currentColumn, currentRow) && currentColumn >= 0 && currentRow >= 0) {
        CGridCell cell;
        EffectiveCell(currentColumn, currentRow, cell);
        if (CellTypeOf(cell).OnKeyDown(*this, key)) return true;
    }
    switch (key) {
    case GridKey::kUp: MoveToRow(currentRow - 1); return true;
    case GridKey::kDown: MoveToRow(currentRow + 1); return true;
    case GridKey::kLeft: MoveToColumn(currentColumn - 1); return true;
    case GridKey::kRight: MoveToColumn(currentColumn + 1); return true;
    case GridKey::kPageUp: MoveToRow(currentRow - PageRows()); return true;
    case GridKey::kPageDown: MoveToRow(currentRow + PageRows()); return true;
    case GridKey::kHome: ctrl ? MoveToRow(0) : MoveToColumn(0); return true;
    case GridKey::kEnd:
        ctrl ? MoveToRow(RowCount() - 1) : MoveToColumn(ColumnCount() - 1);
        return true;
    }
    return false;
}

namespace {

constexpr int kWheelNotch = 120;

// The whole notches in what the wheel turned so far; the rest waits for the next turn, so a
// touchpad's small steps add up to notches and nothing is lost or gained going back and forth.
int TakeNotches(int& pending, int delta) {
    pending += delta;
    const int notches = pending / kWheelNotch;
    pending -= notches * kWheelNotch;
    return notches;
}

} // namespace

void CGridCtrl::OnMouseWheel(int delta) {
    SetTopRow(topRow - 3 * TakeNotches(wheelPending, delta));
}

void CGridCtrl::OnMouseHWheel(int delta) {
    SetLeftColumn(leftColumn + TakeNotches(hWheelPending, delta));
}

bool CGridCtrl::HintText(int column, int row, int /*extra*/, std::u16string& text) {
    text = u"Col:" + DecimalText(column) + u" Row:" + DecimalText(row);
    return true;
}

std::u16string CGridCtrl::HintAt(GridPoint point) {
    std::u16string text;
    int column = 0, row = 0;
    if (!hintsEnabled || !CellAt(point, column, row)) return text;
    HintText(column, row, 0, text);
    // Whatever a hook delivers must fit the platform's buffer; never leave half a pair.
    if (text.size() > kMaxHintLength) {
        size_t n = kMaxHintLength;
        if (text[n - 1] >= 0xD800 && text[n - 1] < 0xDC00) --n;
        text.resize(n);
    }
    return text;
}
