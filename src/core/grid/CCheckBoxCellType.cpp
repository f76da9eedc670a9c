#include "core/grid/CCheckBoxCellType.h"

#include "core/grid/CGridCtrl.h"
#include "core/grid/CheckState.h"

#include <algorithm>

CheckBoxGeometry CheckBoxFor(const GridRect& cell, int dpi) {
    CheckBoxGeometry g;
    g.dpi = dpi;
    const int h = cell.Height();
    g.size = std::min(h - ScaleForDpi(6, dpi), ScaleForDpi(12, dpi));
    g.x0 = cell.left + ScaleForDpi(3, dpi);
    g.x1 = g.x0 + g.size;
    g.y0 = cell.top + (h - g.size) / 2;
    g.y1 = g.y0 + g.size;
    return g;
}

bool HitsCheckBox(const CheckBoxGeometry& b, GridPoint p) {
    return b.HasBox() && p.x >= b.x0 && p.x <= b.x1 && p.y >= b.y0 && p.y <= b.y1;
}

namespace {

// Four sides drawn as a pen goes round: left upwards, top, right downwards, bottom back,
// each side stopping one pixel short of its end so the corners are drawn once.
void Frame(IGridCanvas& c, int x0, int y0, int x1, int y1, GridColour leftTop,
           GridColour rightBottom) {
    c.Line({x0, y1}, {x0, y0}, leftTop);
    c.Line({x0, y0}, {x1, y0}, leftTop);
    c.Line({x1, y0}, {x1, y1}, rightBottom);
    c.Line({x1, y1}, {x0, y1}, rightBottom);
}

void Stroke(IGridCanvas& c, std::initializer_list<GridPoint> points) {
    const GridPoint* p = points.begin();
    for (size_t i = 1; i < points.size(); ++i) c.Line(p[i - 1], p[i], kBlack);
}

} // namespace

void CCheckBoxCellType::PaintBox(const CGridCell& cell, const CheckBoxGeometry& b, IGridCanvas& c) {
    const int style = cell.CellTypeStyle();
    if (style & (kStyleSunken | kStyleRaised)) {
        const bool sunken = (style & kStyleSunken) != 0;
        Frame(c, b.x0, b.y0, b.x1, b.y1, sunken ? SysColour::kButtonShadow : kBoxLightGrey,
              sunken ? kBoxLightGrey : kBlack);
        // The inner frame is drawn right and bottom first, so its corners take those colours.
        const int x0 = b.x0 + 1, y0 = b.y0 + 1, x1 = b.x1 - 1, y1 = b.y1 - 1;
        const GridColour inner = sunken ? SysColour::kButtonFace : SysColour::kButtonShadow;
        c.Line({x1, y0}, {x1, y1}, inner);
        c.Line({x1, y1}, {x0, y1}, inner);
        const GridColour innerTop = sunken ? kBlack : SysColour::kButtonFace;
        c.Line({x0, y1}, {x0, y0}, innerTop);
        c.Line({x0, y0}, {x1, y0}, innerTop);
        c.FillRect({b.x0 + 2, b.y0 + 2, b.x1 - 1, b.y1 - 1}, SysColour::kWindow);
    } else {
        Frame(c, b.x0, b.y0, b.x1, b.y1, kBlack, kBlack);
        c.FillRect({b.x0 + 1, b.y0 + 1, b.x1, b.y1}, SysColour::kWindow);
    }
}

void CCheckBoxCellType::PaintTick(const CheckBoxGeometry& b, bool flat, IGridCanvas& c) {
    const int p = flat ? b.x0 + 1 : b.x0 + 2, q = flat ? b.y0 + 1 : b.y0 + 2;
    const int r = flat ? b.x1 : b.x1 - 1, s = flat ? b.y1 : b.y1 - 1;
    const auto d = [&b](int pixelsAt96) { return ScaleForDpi(pixelsAt96, b.dpi); };
    // The long stroke runs out beyond the box's right edge, as a hand-drawn tick does.
    Stroke(c, {{p + d(2), s - d(4)}, {p + d(4), s - d(2)}, {r + d(3), q - d(1)}});
    if (b.size > d(9)) {
        Stroke(c, {{p + d(2), s - d(5)}, {p + d(4), s - d(3)}, {r + d(3), q - d(2)}});
        Stroke(c, {{p + d(5), s - d(2)}, {r + d(4), q - d(1)}});
        Stroke(c, {{p + d(2), s - d(6)}, {p + d(5), s - d(3)}});
    }
    // Scaled up, the strokes above stand apart: the long one is drawn solid at its width.
    if (b.dpi > 96)
        for (int t = 0; t <= d(2); ++t)
            Stroke(c,
                   {{p + d(2), s - d(4) - t}, {p + d(4), s - d(2) - t}, {r + d(3), q - d(1) - t}});
}

void CCheckBoxCellType::PaintCross(const CheckBoxGeometry& b, bool flat, IGridCanvas& c) {
    const int p = (flat ? b.x0 + 1 : b.x0 + 2) + 1, q = (flat ? b.y0 + 1 : b.y0 + 2) + 1;
    const int r = (flat ? b.x1 : b.x1 - 1) - 1, s = (flat ? b.y1 : b.y1 - 1) - 1;
    const int thick = b.size > ScaleForDpi(9, b.dpi) ? ScaleForDpi(1, b.dpi) : 0;
    for (int d = -thick; d <= thick; ++d) {
        c.Line({p + std::max(d, 0), q + std::max(-d, 0)}, {r - std::max(-d, 0), s - std::max(d, 0)},
               kBlack);
        c.Line({p + std::max(d, 0), s - std::max(-d, 0)}, {r - std::max(-d, 0), q + std::max(d, 0)},
               kBlack);
    }
}

void CCheckBoxCellType::Paint(const CGridCtrl& grid, const CGridCell& cell, const GridRect& rect,
                              bool highlighted, IGridCanvas& canvas) const {
    PaintCellBackground(cell, rect, highlighted, canvas);
    const CheckBoxGeometry box = CheckBoxFor(rect, grid.Dpi());
    if (box.HasBox()) {
        PaintBox(cell, box, canvas);
        // The tick follows the same reading of the text as IsTicked and deletion, so what is
        // shown ticked is exactly what a command takes as ticked.
        if (ReadsAsTicked(cell.Text())) {
            const bool flat = (cell.CellTypeStyle() & (kStyleSunken | kStyleRaised)) == 0;
            if (cell.CellTypeStyle() & kStyleTick)
                PaintTick(box, flat, canvas);
            else
                PaintCross(box, flat, canvas);
        }
    }
    GridRect caption = rect;
    caption.left = std::max(rect.left, rect.left + box.size + grid.Scaled(6));
    PaintCellText(grid, cell, cell.Label(), caption, highlighted, canvas);
    PaintCellBorders(cell, rect, canvas);
}

bool CCheckBoxCellType::Toggle(CGridCtrl& grid, int column, int row) {
    // Decided on the cell as drawn, so a tick or a read-only flag that comes from the column
    // default counts for the mouse and the space bar alike; only the new state is stored.
    CGridCell effective;
    grid.EffectiveCell(column, row, effective);
    if (effective.ReadOnly()) return false;
    const int value = ReadsAsTicked(effective.Text()) ? 0 : 1;
    CGridCell stored;
    grid.ReadCell(column, row, stored);
    stored.SetText(FormatNumber(value, effective.Decimals()));
    stored.SetDataType(CGridCell::kTypeNumber);
    grid.WriteCell(column, row, stored);
    grid.RepaintCell(column, row);
    grid.CellTypeEvent(CGridCtrl::kCheckBoxType, column, row, kChangedEvent, value);
    return true;
}

void CCheckBoxCellType::OnLButtonUp(CGridCtrl& grid, int column, int row, const GridRect& rect,
                                    GridPoint point) const {
    if (HitsCheckBox(CheckBoxFor(rect, grid.Dpi()), point)) Toggle(grid, column, row);
}

bool CCheckBoxCellType::OnKeyDown(CGridCtrl& grid, int key) const {
    if (key != GridKey::kSpace) return false;
    const int column = grid.CurrentColumn(), row = grid.CurrentRow();
    if (column < 0 || row < 0 || row >= grid.RowCount()) return false;
    return Toggle(grid, column, row);
}
