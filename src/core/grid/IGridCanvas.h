#pragma once

#include "core/grid/GridTypes.h"

#include <string_view>

// What painting a grid needs from a device: the window layer draws with the platform, a
// benchmark or a test can count or record instead.
class IGridCanvas {
public:
    virtual void FillRect(const GridRect& area, GridColour colour) = 0;
    // A one-pixel line from `from` up to but not including `to`, like a pen's line-to. A
    // pen, when given, is used instead of the colour.
    virtual void Line(GridPoint from, GridPoint to, GridColour colour, GridPen pen = 0) = 0;
    // One line of text laid out in `box` with the cell alignment bits and cut at `clip`.
    virtual void Text(const GridRect& box, const GridRect& clip, std::u16string_view text,
                      GridFont font, GridColour colour, int alignment) = 0;
    virtual void FocusRect(const GridRect& area) = 0;

protected:
    ~IGridCanvas() = default;
};

// Where the model tells its window what to show again.
class IGridView {
public:
    // `area` in the part's own coordinates, or nullptr for the whole part.
    virtual void InvalidatePart(GridPart part, const GridRect* area) = 0;
    // Row or column counts, widths or the scroll position changed.
    virtual void ScrollRangeChanged() = 0;
    // The list scrolled or the current cell moved: a hint about the cell that was under the
    // pointer may now name another.
    virtual void ViewMoved() {}

protected:
    ~IGridView() = default;
};
