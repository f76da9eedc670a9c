#include "win32/app/CStatusLine.h"

#include "win32/platform/CUnique.h"
#include "win32/platform/WindowText.h"

#include <string>

UINT CStatusLine::TextFlags() const {
    return (ellipsisMode ? DT_PATH_ELLIPSIS : DT_END_ELLIPSIS) | drawFlags;
}

LRESULT CStatusLine::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = DefProc(message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
        return result;
    }
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_PAINT: Paint(); return 0;
    }
    return DefProc(message, wParam, lParam);
}

void CStatusLine::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HWND parent = GetParent(hwnd);
    HFONT font = parent ? reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
    const std::wstring text = WindowText(hwnd);
    RECT r;
    GetClientRect(hwnd, &r);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    {
        CSelectGuard keep(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        // DT_SINGLELINE makes the vertical centring take effect.
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFlags() | DT_SINGLELINE);
    }
    EndPaint(hwnd, &ps);
}
