#include "core/grid/CGridCtrl.h"

#include "core/grid/CCheckBoxCellType.h"

CGridCtrl::CGridCtrl() {
    headingDefault.SetBackColour(SysColour::kButtonFace);
    headingDefault.SetBorder(CGridCell::kEdgeRaised);
    headingDefault.SetAlignment(CGridCell::kAlignCentre | CGridCell::kAlignVCentre);
    // The order fixes the indices that cells name in their cell-type property.
    cellTypes.push_back(std::make_unique<CNormalCellType>(u"Normal Cell Type (default)"));
    cellTypes.push_back(std::make_unique<CNormalCellType>(u"Standard DropList"));
    cellTypes.push_back(std::make_unique<CCheckBoxCellType>());
    cellTypes.push_back(std::make_unique<CNormalCellType>(u"Normal Cell Type (default)"));
}

CGridCtrl::~CGridCtrl() = default;

int CGridCtrl::SetDefaultFont(GridFont font) {
    if (!font) return kOutOfRange;
    defaultFont = font;
    RepaintAll();
    return kOk;
}

void CGridCtrl::SetDpi(int newDpi) {
    if (newDpi <= 0 || newDpi == dpi) return;
    // Widths the user dragged keep their size in inches.
    for (Column& c : columns)
        c.width = static_cast<int>((int64_t{c.width} * newDpi + dpi / 2) / dpi);
    dpi = newDpi;
    RangeChanged();
    RepaintAll();
}

int CGridCtrl::SetColumnCount(int count, bool redraw) {
    if (count < 0 || count > kMaxColumns) return kOutOfRange;
    const int old = ColumnCount();
    columns.resize(static_cast<size_t>(count));
    for (int c = old; c < count; ++c) {
        columns[static_cast<size_t>(c)].width = Scaled(kNewColumnWidth);
        columns[static_cast<size_t>(c)].defaults.Replace(gridDefault);
        columns[static_cast<size_t>(c)].source = c;
    }
    if (count < old) cells.TrimColumns(count);
    int column = currentColumn >= count ? count - 1 : currentColumn;
    if (column < 0 && count > 0 && currentRow >= 0) column = 0;
    SetCurrent(column, column < 0 ? -1 : currentRow);
    SetLeftColumn(leftColumn);
    RangeChanged();
    if (redraw) RepaintAll();
    return kOk;
}

int CGridCtrl::SetRowCount(int count, bool redraw) {
    if (count < 0) return kOutOfRange;
    cells.SetRowCount(count);
    int row = currentRow >= count ? count - 1 : currentRow;
    if (row < 0 && count > 0) row = 0;
    int column = currentColumn;
    if (row >= 0 && column < 0 && ColumnCount() > 0) column = 0;
    SetCurrent(column, row);
    SetTopRow(topRow);
    RangeChanged();
    if (redraw) RepaintAll();
    return kOk;
}

int CGridCtrl::SetCurrentCellStyle(int style) {
    if (style < 0 || style > 3) return kOutOfRange;
    currentCellStyle = style;
    return kOk;
}

void CGridCtrl::SetHintsEnabled(int on) { hintsEnabled = on != 0; }

int CGridCtrl::GetColumnDefault(int column, CGridCell& cell) const {
    if (column < 0 || column >= ColumnCount()) return kOutOfRange;
    cell.Replace(columns[static_cast<size_t>(column)].defaults);
    return kOk;
}

int CGridCtrl::SetColumnDefault(int column, const CGridCell& cell) {
    if (column < 0 || column >= ColumnCount()) return kOutOfRange;
    columns[static_cast<size_t>(column)].defaults.Merge(cell);
    return kOk;
}

bool CGridCtrl::InRange(int column, int row) const {
    return column >= -1 && column < ColumnCount() && row >= -1 && row < RowCount();
}

int CGridCtrl::AppendRow() {
    cells.AppendRow();
    if (currentRow < 0) SetCurrent(currentColumn < 0 && ColumnCount() > 0 ? 0 : currentColumn, 0);
    RangeChanged();
    // The first row changes the headings' colours; after that only the new row can change,
    // and only when it shows.
    const int row = RowCount() - 1;
    if (row == 0)
        RepaintAll();
    else if (row < LastVisibleRow())
        RepaintRow(row);
    return kOk;
}

int CGridCtrl::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return kOutOfRange;
    cells.RemoveRow(row);
    const int count = RowCount();
    if (currentRow >= count) SetCurrent(currentColumn, count - 1);
    SetTopRow(topRow);
    RangeChanged();
    RepaintAll();
    return kOk;
}

int CGridCtrl::ReadCell(int column, int row, CGridCell& cell) const {
    cell.ClearMask();
    if (!InRange(column, row)) return kOutOfRange;
    cells.MergeInto(column, row, cell);
    return kOk;
}

int CGridCtrl::WriteCell(int column, int row, const CGridCell& cell) {
    if (!InRange(column, row)) return kOutOfRange;
    cells.Write(column, row, cell);
    return kOk;
}

int CGridCtrl::SetCellText(int column, int row, std::u16string_view text) {
    if (ReadCell(column, row, scratch) != kOk) return kOutOfRange;
    scratch.SetText(text);
    scratch.SetDataType(CGridCell::kTypeText);
    return WriteCell(column, row, scratch);
}

int CGridCtrl::SetCellLabel(int column, int row, std::u16string_view text) {
    if (ReadCell(column, row, scratch) != kOk) return kOutOfRange;
    scratch.SetLabel(text);
    return WriteCell(column, row, scratch);
}

std::optional<std::u16string> CGridCtrl::CellText(int column, int row) {
    if (ReadCell(column, row, scratch) != kOk || !scratch.Has(CGridCell::kText)) return {};
    return scratch.Text();
}

void CGridCtrl::EffectiveCell(int column, int row, CGridCell& cell) const {
    if (row < 0 || column < 0)
        cell.Replace(headingDefault);
    else if (column < ColumnCount())
        cell.Replace(columns[static_cast<size_t>(column)].defaults);
    else
        cell.ClearMask();
    if (InRange(column, row)) cells.MergeInto(column, row, cell);
    DecorateCell(column, row, cell);
}

const CCellType& CGridCtrl::CellTypeOf(const CGridCell& effective) const {
    const int index = effective.CellType();
    // A cell naming a type that does not exist is drawn as a plain cell.
    return index >= 0 && index < CellTypeCount() ? CellTypeAt(index) : CellTypeAt(0);
}

int CGridCtrl::SwapRows(int a, int b, bool repaint) {
    if (a < 0 || b < 0 || a >= RowCount() || b >= RowCount()) return kOutOfRange;
    cells.SwapRows(a, b);
    if (repaint) {
        RepaintRow(a);
        RepaintRow(b);
    }
    return kOk;
}

void CGridCtrl::RemoveAllRows() {
    ClearSelection();
    SetRowCount(0, false);
    RepaintAll();
}
