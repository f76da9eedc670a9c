// The current cell, scrolling, column widths and where things are on screen.
#include "core/grid/CGridCtrl.h"

#include <algorithm>

void CGridCtrl::Invalidate(GridPart part, const GridRect* area) const {
    if (view) view->InvalidatePart(part, area);
}

void CGridCtrl::RangeChanged() const {
    if (view) view->ScrollRangeChanged();
}

void CGridCtrl::RepaintAll() {
    for (GridPart part :
         {GridPart::Cells, GridPart::TopHeading, GridPart::SideHeading, GridPart::Corner})
        Invalidate(part, nullptr);
}

int CGridCtrl::RepaintCell(int column, int row) {
    if (!InRange(column, row)) return kOutOfRange;
    const GridRect rect = CellRect(column, row);
    Invalidate(PartOf(column, row), &rect);
    return kOk;
}

int CGridCtrl::RepaintRow(int row) {
    if (row < 0 || row >= RowCount()) return kOutOfRange;
    const int top = (row - topRow) * RowHeight();
    const GridRect cellsRow{0, top, std::max(viewWidth, 0), top + RowHeight()};
    Invalidate(GridPart::Cells, &cellsRow);
    const GridRect number{0, top, SideHeadingWidth(), top + RowHeight()};
    Invalidate(GridPart::SideHeading, &number);
    return kOk;
}

void CGridCtrl::SetCurrent(int column, int row) {
    if (column == currentColumn && row == currentRow) return;
    previousColumn = currentColumn;
    previousRow = currentRow;
    currentColumn = column;
    currentRow = row;
    if (view) view->ViewMoved();
    // The old and new cells change colour; with row highlight so do their whole rows.
    for (auto [c, r] : {std::pair{previousColumn, previousRow}, std::pair{column, row}}) {
        if (r < 0 || r >= RowCount()) continue;
        if (rowHighlight || c < 0)
            RepaintRow(r);
        else
            RepaintCell(c, r), RepaintCell(-1, r);
    }
    CurrentCellChanged(previousColumn, currentColumn, previousRow, currentRow);
}

int CGridCtrl::MoveTo(int column, int row) {
    if (RowCount() == 0 || ColumnCount() == 0) return kOutOfRange;
    column = std::clamp(column, 0, ColumnCount() - 1);
    row = std::clamp(row, 0, RowCount() - 1);
    SetCurrent(column, row);
    ScrollIntoView(column, row);
    return kOk;
}

int CGridCtrl::MoveToRow(int row) { return MoveTo(std::max(currentColumn, 0), row); }

int CGridCtrl::MoveToColumn(int column) { return MoveTo(column, std::max(currentRow, 0)); }

int CGridCtrl::FirstSelectedCell(int& column, int& row) const {
    column = currentColumn;
    row = currentRow;
    return kOk;
}

bool CGridCtrl::IsHighlighted(int column, int row) const {
    if ((currentCellStyle & 2) == 0 || row < 0 || row != currentRow) return false;
    return column >= 0 && (rowHighlight || column == currentColumn);
}

void CGridCtrl::ScrollIntoView(int column, int row) {
    if (row < topRow)
        SetTopRow(row);
    else if (row >= topRow + PageRows())
        SetTopRow(row - PageRows() + 1);
    if (column < leftColumn) {
        SetLeftColumn(column);
    } else {
        // Scroll right until the column's right edge shows, but never past the column itself.
        int left = leftColumn;
        while (left < column &&
               ColumnLeft(column) - ColumnLeft(left) + ColumnWidth(column) > viewWidth)
            ++left;
        SetLeftColumn(left);
    }
}

void CGridCtrl::SetViewSize(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    SetTopRow(topRow);
    RangeChanged();
}

int CGridCtrl::PageRows() const { return std::max(1, viewHeight / RowHeight()); }

int CGridCtrl::MaxTopRow() const { return std::max(0, RowCount() - PageRows()); }

int CGridCtrl::MaxLeftColumn() const {
    // The left-most column from which the remaining columns still fill the width.
    int width = 0;
    for (int c = ColumnCount() - 1; c >= 0; --c) {
        width += ColumnWidth(c);
        if (width > viewWidth) return std::min(c + 1, ColumnCount() - 1);
    }
    return 0;
}

void CGridCtrl::SetTopRow(int row) {
    row = std::clamp(row, 0, MaxTopRow());
    if (row == topRow) return;
    topRow = row;
    if (view) view->ViewMoved();
    Invalidate(GridPart::Cells, nullptr);
    Invalidate(GridPart::SideHeading, nullptr);
    RangeChanged();
}

void CGridCtrl::SetLeftColumn(int column) {
    column = std::clamp(column, 0, MaxLeftColumn());
    if (column == leftColumn) return;
    leftColumn = column;
    if (view) view->ViewMoved();
    Invalidate(GridPart::Cells, nullptr);
    Invalidate(GridPart::TopHeading, nullptr);
    RangeChanged();
}

int CGridCtrl::LastVisibleRow() const {
    const int rows = (std::max(viewHeight, 0) + RowHeight() - 1) / RowHeight();
    return std::min(RowCount(), topRow + rows);
}

int CGridCtrl::LastVisibleColumn() const {
    int c = leftColumn;
    for (int x = 0; c < ColumnCount() && x < viewWidth; ++c) x += ColumnWidth(c);
    return c;
}

int CGridCtrl::ColumnWidth(int column) const {
    if (column == -1) return SideHeadingWidth();
    if (column < 0 || column >= ColumnCount()) return 0;
    return columns[static_cast<size_t>(column)].width;
}

int CGridCtrl::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= ColumnCount() || width < 0) return kOutOfRange;
    columns[static_cast<size_t>(column)].width = width;
    Invalidate(GridPart::Cells, nullptr);
    Invalidate(GridPart::TopHeading, nullptr);
    RangeChanged();
    return kOk;
}

int CGridCtrl::FitColumnsToWidth(int first, int last) {
    if (first < 0 || first > last || last >= ColumnCount()) return kOutOfRange;
    int width = viewWidth - arrowWidth / 4;
    long long sum = 0;
    for (int c = first; c <= last; ++c) sum += ColumnWidth(c);
    // Columns dragged to nothing have no proportion to keep: share the width evenly.
    const bool even = sum <= 0;
    const float ratio = even ? 0.0f : static_cast<float>(width) / static_cast<float>(sum);
    for (int c = first; c < last; ++c) {
        const int w = even ? width / (last - c + 1)
                           : static_cast<int>(static_cast<float>(ColumnWidth(c)) * ratio);
        columns[static_cast<size_t>(c)].width = std::max(w, 0);
        width -= columns[static_cast<size_t>(c)].width;
    }
    columns[static_cast<size_t>(last)].width = std::max(width, 0);
    SetLeftColumn(leftColumn);
    Invalidate(GridPart::Cells, nullptr);
    Invalidate(GridPart::TopHeading, nullptr);
    RangeChanged();
    return kOk;
}

int CGridCtrl::ColumnLeft(int column) const {
    // x of a column's left edge in the cell area; columns left of the scroll position are
    // negative.
    int x = 0;
    if (column >= leftColumn)
        for (int c = leftColumn; c < column; ++c) x += ColumnWidth(c);
    else
        for (int c = column; c < leftColumn; ++c) x -= ColumnWidth(c);
    return x;
}

GridPart CGridCtrl::PartOf(int column, int row) const {
    if (row < 0) return column < 0 ? GridPart::Corner : GridPart::TopHeading;
    return column < 0 ? GridPart::SideHeading : GridPart::Cells;
}

GridRect CGridCtrl::CellRect(int column, int row) const {
    GridRect r;
    if (column < 0) {
        r.left = 0;
        r.right = SideHeadingWidth();
    } else {
        r.left = ColumnLeft(column);
        r.right = r.left + ColumnWidth(column);
    }
    if (row < 0) {
        r.top = 0;
        r.bottom = TopHeadingHeight();
    } else {
        r.top = (row - topRow) * RowHeight();
        r.bottom = r.top + RowHeight();
    }
    return r;
}

bool CGridCtrl::CellAt(GridPoint p, int& column, int& row) const {
    if (p.x < 0 || p.y < 0) return false;
    row = topRow + p.y / RowHeight();
    if (row >= RowCount()) return false;
    int x = 0;
    for (int c = leftColumn; c < ColumnCount(); ++c) {
        x += ColumnWidth(c);
        if (p.x < x) {
            column = c;
            return true;
        }
    }
    return false;
}

int CGridCtrl::ColumnBorderAt(int x) const {
    const int grip = Scaled(3);
    int right = 0;
    for (int c = leftColumn; c < ColumnCount() && right - grip <= x; ++c) {
        right += ColumnWidth(c);
        if (x >= right - grip && x <= right + grip) return c;
    }
    return -1;
}
