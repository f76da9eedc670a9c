// The message side of the grid window: each message is unpacked once and handed to the
// model, which decides; the window only repaints what the model invalidates.
#include "win32/grid/CGridWindow.h"

#include "win32/platform/WinString.h"
#include "win32/platform/WindowObject.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace {

GridPoint PointOf(LPARAM l) { return GridPoint{GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

GridPoint CursorIn(HWND h) {
    const DWORD pos = GetMessagePos();
    POINT p{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
    ScreenToClient(h, &p);
    return GridPoint{p.x, p.y};
}

GridPart PartFromId(int id) {
    switch (id) {
    case CGridWindow::kTopId: return GridPart::TopHeading;
    case CGridWindow::kSideId: return GridPart::SideHeading;
    case CGridWindow::kCornerId: return GridPart::Corner;
    default: return GridPart::Cells;
    }
}

} // namespace

LRESULT CALLBACK CGridWindow::FrameProc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR,
                                        DWORD_PTR data) {
    auto* self = reinterpret_cast<CGridWindow*>(data);
    try {
        if (self && self->frame == h) return self->OnFrameMessage(m, w, l);
    } catch (...) {
        return 0; // unwinding through user32 is undefined
    }
    return DefSubclassProc(h, m, w, l);
}

LRESULT CGridWindow::OnFrameMessage(UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_SIZE: Layout(); break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (grid && l) OnScroll(m == WM_VSCROLL, LOWORD(w));
        return 0;
    case WM_MOUSEWHEEL:
        if (grid) grid->OnMouseWheel(GET_WHEEL_DELTA_WPARAM(w));
        return 0;
    case WM_MOUSEHWHEEL:
        if (grid) grid->OnMouseHWheel(GET_WHEEL_DELTA_WPARAM(w));
        return 0;
    case WM_SETFOCUS:
        if (CellArea()) SetFocus(CellArea());
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(l);
        if (header && header->hwndFrom == toolTip && header->code == TTN_GETDISPINFOW)
            return OnToolTipText(header);
        break;
    }
    case kUpdateScrollMessage: OnScrollUpdateDue(); return 0;
    case WM_TIMER:
        if (w != kScrollTimerId) break;
        UpdateScrollBars();
        return 0;
    case WM_NCDESTROY: {
        HWND h = frame;
        Detach();
        return DefSubclassProc(h, m, w, l);
    }
    }
    return DefSubclassProc(frame, m, w, l);
}

LRESULT CALLBACK CGridWindow::PartProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    try {
        auto* self = WindowObject<CGridWindow>(h, m, l);
        const int id = GetDlgCtrlID(h);
        if (self && self->grid && id != kTabBarId)
            return self->OnPartMessage(h, PartFromId(id), m, w, l);
    } catch (...) {
        return 0;
    }
    return DefWindowProcW(h, m, w, l);
}

LRESULT CGridWindow::OnPartMessage(HWND h, GridPart part, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_PAINT: Paint(h, part); return 0;
    case WM_PRINTCLIENT: {
        RECT r;
        GetClientRect(h, &r);
        PaintPart(part, reinterpret_cast<HDC>(w), r);
        return 0;
    }
    case WM_ERASEBKGND: return 1; // every pixel is painted
    case WM_MOUSEWHEEL: grid->OnMouseWheel(GET_WHEEL_DELTA_WPARAM(w)); return 0;
    case WM_MOUSEHWHEEL: grid->OnMouseHWheel(GET_WHEEL_DELTA_WPARAM(w)); return 0;
    }
    if (part == GridPart::Cells) return OnCellsMessage(h, m, w, l);
    if (part == GridPart::TopHeading) return OnTopHeadingMessage(h, m, w, l);
    return DefWindowProcW(h, m, w, l);
}

LRESULT CGridWindow::OnCellsMessage(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTALLKEYS; // Tab, Enter, Esc too
    case WM_LBUTTONDOWN:
        SetFocus(h);
        grid->OnLButtonDown(PointOf(l));
        return 0;
    case WM_LBUTTONUP: grid->OnLButtonUp(PointOf(l)); return 0;
    case WM_LBUTTONDBLCLK: grid->OnLButtonDblClk(PointOf(l)); return 0;
    case WM_MOUSEMOVE: TrackHint(PointOf(l)); return 0;
    case WM_KEYDOWN:
        if (grid->OnKeyDown(static_cast<int>(w), GetKeyState(VK_CONTROL) < 0)) return 0;
        break;
    case WM_CHAR: return 0; // no cell can be edited
    }
    return DefWindowProcW(h, m, w, l);
}

LRESULT CGridWindow::OnTopHeadingMessage(HWND h, UINT m, WPARAM w, LPARAM l) {
    // Column borders can be dragged; the headings and rows themselves stay as they are.
    switch (m) {
    case WM_SETCURSOR:
        if (dragColumn >= 0 || grid->ColumnBorderAt(CursorIn(h).x) >= 0) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        dragColumn = grid->ColumnBorderAt(PointOf(l).x);
        if (dragColumn >= 0) {
            dragLeft = grid->ColumnLeft(dragColumn);
            SetCapture(h);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (dragColumn >= 0) grid->SetColumnWidth(dragColumn, std::max(0, PointOf(l).x - dragLeft));
        return 0;
    case WM_LBUTTONUP:
        if (dragColumn >= 0) ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED: dragColumn = -1; return 0;
    }
    return DefWindowProcW(h, m, w, l);
}

void CGridWindow::ViewMoved() {
    // The tip named the cell that was under the pointer; after a scroll or a move by keys it
    // would name another. The next move of the mouse asks again.
    hintColumn = hintRow = -1;
    if (toolTip) SendMessageW(toolTip, TTM_POP, 0, 0);
}

void CGridWindow::TrackHint(GridPoint point) {
    int column = -1, row = -1;
    if (!grid->CellAt(point, column, row)) column = row = -1;
    if (column == hintColumn && row == hintRow) return;
    hintColumn = column;
    hintRow = row;
    // A new cell needs a new text: hide the old tip so the next one asks again.
    if (toolTip) SendMessageW(toolTip, TTM_POP, 0, 0);
}

LRESULT CGridWindow::OnToolTipText(NMHDR* header) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(CellArea(), &p);
    const std::u16string text = grid ? grid->HintAt({p.x, p.y}) : std::u16string();
    // The buffer holds 80 units with the terminator; the model never gives more than 79.
    constexpr size_t capacity = sizeof info->szText / sizeof info->szText[0];
    const size_t n = std::min(text.size(), capacity - 1);
    std::memcpy(info->szText, text.data(), n * sizeof(wchar_t));
    info->szText[n] = L'\0';
    info->lpszText = info->szText;
    info->hinst = nullptr;
    // The tip speaks in the grid's font, which knows the Chinese of the paths.
    if (grid && grid->DefaultFont())
        SendMessageW(toolTip, WM_SETFONT, static_cast<WPARAM>(grid->DefaultFont()), FALSE);
    return 0;
}
