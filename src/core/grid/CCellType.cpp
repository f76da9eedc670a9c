#include "core/grid/CCellType.h"

#include "core/grid/CGridCtrl.h"

void CCellType::Paint(const CGridCtrl& grid, const CGridCell& cell, const GridRect& rect,
                      bool highlighted, IGridCanvas& canvas) const {
    PaintCellBackground(cell, rect, highlighted, canvas);
    PaintCellText(grid, cell, cell.Text(), rect, highlighted, canvas);
    PaintCellBorders(cell, rect, canvas);
}

void PaintCellBackground(const CGridCell& cell, const GridRect& rect, bool highlighted,
                         IGridCanvas& canvas) {
    canvas.FillRect(rect, highlighted ? cell.HighlightBackColour() : cell.BackColour());
}

void PaintCellText(const CGridCtrl& grid, const CGridCell& cell, std::u16string_view text,
                   const GridRect& rect, bool highlighted, IGridCanvas& canvas) {
    if (text.empty() || rect.IsEmpty()) return;
    const int verticalMargin = grid.Scaled(2);
    GridRect box = rect;
    box.left += grid.TextMargin();
    box.right -= grid.TextMargin();
    box.top += verticalMargin;
    box.bottom -= verticalMargin;
    const GridFont font = cell.Font() ? cell.Font() : grid.DefaultFont();
    // A text longer than its cell is cut at the cell's edge, not at the margin.
    canvas.Text(box, rect, text, font, highlighted ? cell.HighlightTextColour() : cell.TextColour(),
                cell.Alignment());
}

void PaintCellBorders(const CGridCell& cell, const GridRect& r, IGridCanvas& canvas) {
    const int border = cell.Border();
    const GridPen pen = cell.BorderPen();
    if (border & CGridCell::kBorderLeft)
        canvas.Line({r.left, r.top}, {r.left, r.bottom}, kGridLineColour, pen);
    if (border & CGridCell::kBorderTop)
        canvas.Line({r.left, r.top}, {r.right, r.top}, kGridLineColour, pen);
    if (border & CGridCell::kBorderRight)
        canvas.Line({r.right - 1, r.top}, {r.right - 1, r.bottom}, kGridLineColour, pen);
    if (border & CGridCell::kBorderBottom)
        canvas.Line({r.left, r.bottom - 1}, {r.right, r.bottom - 1}, kGridLineColour, pen);
    if (border & (CGridCell::kEdgeRaised | CGridCell::kEdgeSunken)) {
        const bool raised = (border & CGridCell::kEdgeRaised) != 0;
        const GridColour light = raised ? SysColour::kButtonHighlight : SysColour::kButtonShadow;
        const GridColour dark = raised ? SysColour::kButtonShadow : SysColour::kButtonHighlight;
        canvas.Line({r.left, r.bottom - 1}, {r.left, r.top}, light);
        canvas.Line({r.left, r.top}, {r.right - 1, r.top}, light);
        canvas.Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, dark);
        canvas.Line({r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}, dark);
    }
}
