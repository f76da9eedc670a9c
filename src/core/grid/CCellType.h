#pragma once

#include "core/grid/CGridCell.h"
#include "core/grid/IGridCanvas.h"

class CGridCtrl;

// A kind of cell: how it paints and how it answers the mouse and keys. The grid offers
// every press, release and key to the type of the cell concerned before acting itself.
class CCellType {
public:
    virtual ~CCellType() = default;

    virtual const char16_t* Name() const = 0;
    // `cell` is the effective cell; `highlighted` says whether it shows in highlight colours.
    virtual void Paint(const CGridCtrl& grid, const CGridCell& cell, const GridRect& rect,
                       bool highlighted, IGridCanvas& canvas) const;
    virtual void OnLButtonUp(CGridCtrl& /*grid*/, int /*column*/, int /*row*/,
                             const GridRect& /*rect*/, GridPoint /*point*/) const {}
    // True when the type consumed the key.
    virtual bool OnKeyDown(CGridCtrl& /*grid*/, int /*key*/) const { return false; }
};

// The plain text cell; the drop-down list type is registered under its own name but, as the
// program never selects it, behaves like it.
class CNormalCellType : public CCellType {
public:
    explicit CNormalCellType(const char16_t* name) : name(name) {}
    const char16_t* Name() const override { return name; }

private:
    const char16_t* name;
};

// Painting shared by the cell types: background, text and border lines of one cell.
void PaintCellBackground(const CGridCell& cell, const GridRect& rect, bool highlighted,
                         IGridCanvas& canvas);
void PaintCellText(const CGridCtrl& grid, const CGridCell& cell, std::u16string_view text,
                   const GridRect& rect, bool highlighted, IGridCanvas& canvas);
void PaintCellBorders(const CGridCell& cell, const GridRect& rect, IGridCanvas& canvas);
