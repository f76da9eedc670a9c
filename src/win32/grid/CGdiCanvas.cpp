#include "win32/grid/CGdiCanvas.h"

#include "core/grid/CGridCell.h"
#include "win32/platform/CUnique.h"
#include "win32/platform/WinString.h"

#include <algorithm>
#include <climits>

namespace {

RECT ToRect(const GridRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

UINT TextFormat(int alignment) {
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    if (alignment & CGridCell::kAlignRight) format |= DT_RIGHT;
    if (alignment & CGridCell::kAlignCentre) format |= DT_CENTER;
    if (alignment & CGridCell::kAlignBottom) format |= DT_BOTTOM;
    if (alignment & CGridCell::kAlignVCentre) format |= DT_VCENTER;
    return format;
}

} // namespace

CGdiCanvas::CGdiCanvas(HDC dc)
    : dc(dc), oldPen(SelectObject(dc, GetStockObject(DC_PEN))),
      oldBkMode(SetBkMode(dc, TRANSPARENT)) {}

CGdiCanvas::~CGdiCanvas() {
    SelectObject(dc, oldPen);
    SetBkMode(dc, oldBkMode);
}

COLORREF CGdiCanvas::Resolve(GridColour colour) {
    return IsSystemColour(colour) ? GetSysColor(SystemColourIndex(colour)) : colour;
}

void CGdiCanvas::FillRect(const GridRect& area, GridColour colour) {
    if (area.IsEmpty()) return;
    const RECT r = ToRect(area);
    SetDCBrushColor(dc, Resolve(colour));
    ::FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void CGdiCanvas::Line(GridPoint from, GridPoint to, GridColour colour, GridPen pen) {
    if (pen) {
        CSelectGuard guard(dc, reinterpret_cast<HPEN>(pen));
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
        return;
    }
    SetDCPenColor(dc, Resolve(colour));
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

void CGdiCanvas::Text(const GridRect& box, const GridRect& clip, std::u16string_view text,
                      GridFont font, GridColour colour, int alignment) {
    if (text.empty() || clip.IsEmpty()) return;
    const HGDIOBJ f = font ? reinterpret_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
    CSelectGuard guard(dc, f);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    SetTextColor(dc, Resolve(colour));
    RECT r = ToRect(box);
    const int length = static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
    DrawTextW(dc, W(text.data()), length, &r, TextFormat(alignment));
    RestoreDC(dc, saved);
}

void CGdiCanvas::FocusRect(const GridRect& area) {
    const RECT r = ToRect(area);
    DrawFocusRect(dc, &r);
}
