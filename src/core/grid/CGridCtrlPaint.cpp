// Painting: only the rows and columns that show in the dirty area are built and drawn, so
// the cost follows what is visible, never what is stored.
#include "core/grid/CGridCtrl.h"

#include <algorithm>

void CGridCtrl::Paint(GridPart part, IGridCanvas& canvas, const GridRect& dirty) const {
    switch (part) {
    case GridPart::Cells: PaintCells(canvas, dirty); break;
    case GridPart::TopHeading: PaintTopHeading(canvas, dirty); break;
    case GridPart::SideHeading: PaintSideHeading(canvas, dirty); break;
    case GridPart::Corner: PaintOneCell(-1, -1, CellRect(-1, -1), canvas); break;
    }
}

void CGridCtrl::PaintOneCell(int column, int row, const GridRect& rect, IGridCanvas& canvas) const {
    CGridCell cell;
    EffectiveCell(column, row, cell);
    CellTypeOf(cell).Paint(*this, cell, rect, IsHighlighted(column, row), canvas);
    if (row >= 0 && column >= 0 && column == currentColumn && row == currentRow)
        PaintFocusFrame(canvas, rect);
}

void CGridCtrl::PaintCells(IGridCanvas& canvas, const GridRect& dirty) const {
    const int firstRow = std::max(topRow, topRow + dirty.top / RowHeight());
    const int lastRow =
        std::min(LastVisibleRow(), topRow + (dirty.bottom + RowHeight() - 1) / RowHeight());
    int right = 0;
    for (int c = leftColumn; c < ColumnCount() && right < dirty.right; ++c) {
        right += ColumnWidth(c);
        if (right <= dirty.left) continue;
        for (int r = firstRow; r < lastRow; ++r) PaintOneCell(c, r, CellRect(c, r), canvas);
    }
    // The empty space right of the last column and below the last row.
    const int bottom = (RowCount() - topRow) * RowHeight();
    if (right < dirty.right)
        canvas.FillRect({std::max(right, dirty.left), dirty.top, dirty.right, dirty.bottom},
                        SysColour::kWindow);
    if (bottom < dirty.bottom)
        canvas.FillRect(
            {dirty.left, std::max(bottom, dirty.top), std::min(right, dirty.right), dirty.bottom},
            SysColour::kWindow);
}

void CGridCtrl::PaintTopHeading(IGridCanvas& canvas, const GridRect& dirty) const {
    int right = 0;
    for (int c = leftColumn; c < ColumnCount() && right < dirty.right; ++c) {
        right += ColumnWidth(c);
        if (right > dirty.left) PaintOneCell(c, -1, CellRect(c, -1), canvas);
    }
    if (right < dirty.right)
        canvas.FillRect({std::max(right, dirty.left), dirty.top, dirty.right, dirty.bottom},
                        SysColour::kButtonFace);
}

void CGridCtrl::PaintSideHeading(IGridCanvas& canvas, const GridRect& dirty) const {
    const int firstRow = std::max(topRow, topRow + dirty.top / RowHeight());
    const int lastRow =
        std::min(LastVisibleRow(), topRow + (dirty.bottom + RowHeight() - 1) / RowHeight());
    for (int r = firstRow; r < lastRow; ++r) PaintOneCell(-1, r, CellRect(-1, r), canvas);
    const int bottom = (RowCount() - topRow) * RowHeight();
    if (bottom < dirty.bottom)
        canvas.FillRect({dirty.left, std::max(bottom, dirty.top), dirty.right, dirty.bottom},
                        SysColour::kButtonFace);
}

void CGridCtrl::PaintFocusFrame(IGridCanvas& canvas, const GridRect& rect) const {
    canvas.FocusRect({rect.left, rect.top, rect.right - 1, rect.bottom - 1});
}
