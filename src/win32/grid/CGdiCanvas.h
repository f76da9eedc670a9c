#pragma once

#include "core/grid/IGridCanvas.h"

#include <windows.h>

// Draws the grid's canvas calls on a device context. Fills and lines use the context's
// own brush and pen colours, so painting a screenful creates no GDI objects.
class CGdiCanvas : public IGridCanvas {
public:
    explicit CGdiCanvas(HDC dc);
    ~CGdiCanvas();
    CGdiCanvas(const CGdiCanvas&) = delete;
    CGdiCanvas& operator=(const CGdiCanvas&) = delete;

    void FillRect(const GridRect& area, GridColour colour) override;
    void Line(GridPoint from, GridPoint to, GridColour colour, GridPen pen) override;
    void Text(const GridRect& box, const GridRect& clip, std::u16string_view text, GridFont font,
              GridColour colour, int alignment) override;
    void FocusRect(const GridRect& area) override;

    static COLORREF Resolve(GridColour colour);

private:
    HDC dc;
    HGDIOBJ oldPen;
    int oldBkMode;
};
