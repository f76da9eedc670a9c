#include "win32/grid/CHintWindow.h"

#include "win32/platform/CUnique.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowObject.h"

namespace {
constexpr wchar_t kClassName[] = L"HintWnd";
}

bool CHintWindow::Create(HWND owner) {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered) return false;
    hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_BORDER,
                           0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

void CHintWindow::Destroy() {
    if (hwnd) DestroyWindow(hwnd);
    hwnd = nullptr;
}

void CHintWindow::Show(const std::u16string& value, POINT screen) {
    if (!hwnd) return;
    text = value;
    HDC dc = GetDC(hwnd);
    SIZE size{};
    {
        CSelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(dc, W(text), static_cast<int>(text.size()), &size);
    }
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, HWND_TOPMOST, screen.x, screen.y, size.cx + 8, size.cy + 4,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void CHintWindow::Hide() {
    if (hwnd) ShowWindow(hwnd, SW_HIDE);
}

void CHintWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    SetDCBrushColor(dc, kBackColour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    CSelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, W(text), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK CHintWindow::Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    try {
        auto* self = WindowObject<CHintWindow>(h, m, l);
        if (self && m == WM_PAINT) {
            self->OnPaint();
            return 0;
        }
        if (self && m == WM_NCDESTROY) self->hwnd = nullptr;
    } catch (...) {
        return 0; // unwinding through user32 is undefined
    }
    return DefWindowProcW(h, m, w, l);
}
