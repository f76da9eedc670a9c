#pragma once

#include "core/grid/CCellType.h"

// Where the box of a check-box cell lies. The square runs from (x0, y0) to (x1, y1), both
// corners on its outline; with size 5 or less there is no box at all. Its sizes are the
// 96-dpi ones scaled to `dpi`.
struct CheckBoxGeometry {
    int dpi = 96;
    int size = 0;
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;

    bool HasBox() const { return size > 5; }
};

CheckBoxGeometry CheckBoxFor(const GridRect& cell, int dpi);
// Inside the square, its outline included.
bool HitsCheckBox(const CheckBoxGeometry& box, GridPoint p);

// A check box with the cell's label as its caption; the tick lives in the cell's text.
class CCheckBoxCellType : public CCellType {
public:
    static constexpr int kChangedEvent = 53;
    static constexpr int kStyleSunken = 0x100;
    static constexpr int kStyleRaised = 0x200;
    static constexpr int kStyleTick = 0x1000;

    const char16_t* Name() const override { return u"Standard CheckBox Type"; }
    void Paint(const CGridCtrl& grid, const CGridCell& cell, const GridRect& rect, bool highlighted,
               IGridCanvas& canvas) const override;
    void OnLButtonUp(CGridCtrl& grid, int column, int row, const GridRect& rect,
                     GridPoint point) const override;
    bool OnKeyDown(CGridCtrl& grid, int key) const override;

    // Flips the tick of a cell as a user's toggle does; false when the cell is read-only.
    static bool Toggle(CGridCtrl& grid, int column, int row);

private:
    static void PaintBox(const CGridCell& cell, const CheckBoxGeometry& box, IGridCanvas& canvas);
    static void PaintTick(const CheckBoxGeometry& box, bool flat, IGridCanvas& canvas);
    static void PaintCross(const CheckBoxGeometry& box, bool flat, IGridCanvas& canvas);
};
