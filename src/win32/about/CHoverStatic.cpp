#include "win32/about/CHoverStatic.h"

#include "win32/about/AboutIds.h"
#include "win32/platform/WinString.h"

#include <commctrl.h>
#include <windowsx.h>

bool CHoverStatic::OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (!hwnd || reinterpret_cast<HWND>(lParam) != hwnd) return false;
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OnClicked();
        result = TRUE;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) return OnColourRequest(reinterpret_cast<HDC>(wParam), result);
    return false;
}

LRESULT CHoverStatic::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (toolTip && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        MSG relayed{hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        const DWORD pos = GetMessagePos();
        relayed.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
        SendMessageW(toolTip.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = DefProc(message, wParam, lParam);
        OnPointerMove(lParam);
        return result;
    }
    case WM_SETCURSOR:
        if (!cursor) break;
        SetCursor(cursor.Get());
        return TRUE;
    case WM_CAPTURECHANGED:
        // Another window took the capture (a menu, a message box): the pointer is no longer
        // tracked, so the control must not stay lit.
        if (over && reinterpret_cast<HWND>(lParam) != hwnd) Leave();
        break;
    case WM_DESTROY: toolTip.Reset(); break;
    }
    return DefProc(message, wParam, lParam);
}

void CHoverStatic::OnPointerMove(LPARAM lParam) {
    if (over) {
        RECT client;
        GetClientRect(hwnd, &client);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (!PtInRect(&client, p)) Leave();
    } else {
        over = 1;
        RedrawNow();
        SetCapture(hwnd);
    }
}

void CHoverStatic::Leave() {
    over = 0;
    if (GetCapture() == hwnd) ReleaseCapture();
    RedrawNow();
}

void CHoverStatic::AddNotifyStyle() {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    SetWindowLongPtrW(hwnd, GWL_STYLE, style | SS_NOTIFY);
}

void CHoverStatic::LoadHandCursor() {
    if (cursor) return;
    // Loaded unshared, so that it is ours to destroy.
    cursor.Reset(
        static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND),
                                        IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
}

void CHoverStatic::CreateToolTip(const std::u16string& text) {
    toolTip.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!toolTip) return;
    std::u16string copy = text;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the common controls
    tool.hwnd = hwnd;
    tool.uId = 1;
    GetClientRect(hwnd, &tool.rect);
    tool.lpszText = W(copy.data());
    SendMessageW(toolTip.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHoverStatic::SetToolTipText(const std::u16string& text) {
    if (!toolTip) return;
    std::u16string copy = text;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = hwnd;
    tool.uId = 1;
    tool.lpszText = W(copy.data());
    SendMessageW(toolTip.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHoverStatic::RedrawNow() {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
}
