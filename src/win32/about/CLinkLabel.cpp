#include "win32/about/CLinkLabel.h"

#include "core/about/LinkErrors.h"
#include "win32/about/OpenUrl.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowText.h"

#include <utility>

CLinkLabel::CLinkLabel() { colours.hover = GetSysColor(COLOR_HIGHLIGHT); }

bool CLinkLabel::Attach(HWND dialog, int id) {
    if (!SubclassDlgItem(dialog, id)) return false;
    AddNotifyStyle();
    const std::u16string text = U16(WindowText(hwnd));
    if (url.empty()) url = text;
    if (text.empty()) SetWindowTextW(hwnd, W(url));
    SetUnderlinedFont();
    SizeToText();
    LoadHandCursor();
    CreateToolTip(url);
    return true;
}

void CLinkLabel::SetURL(const std::u16string& newUrl) {
    url = newUrl;
    if (!hwnd) return;
    SizeToText();
    SetToolTipText(url);
}

void CLinkLabel::SetUnderlinedFont() {
    auto current = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (!GetObjectW(current ? current : GetStockObject(SYSTEM_FONT), sizeof(description),
                    &description))
        return;
    description.lfUnderline = underline ? TRUE : FALSE;
    // The control lets go of a font before the label deletes it.
    CFontHandle copy(CreateFontIndirectW(&description));
    if (!copy) return;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(copy.Get()), TRUE);
    font = std::move(copy);
}

void CLinkLabel::SizeToText() {
    if (!hwnd || !adjustToFit) return;
    HWND parent = GetParent(hwnd);
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    const std::wstring text = WindowText(hwnd);
    SIZE extent{};
    HDC dc = GetDC(hwnd);
    {
        auto shown = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        CSelectGuard keep(dc, shown ? static_cast<HGDIOBJ>(shown) : GetStockObject(SYSTEM_FONT));
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    ReleaseDC(hwnd, dc);
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const LinkRect fitted =
        FitToText({r.left, r.top, r.right, r.bottom}, extent.cx, extent.cy, style);
    SetWindowPos(hwnd, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLinkLabel::OnClicked() {
    const INT_PTR result = OpenUrl(url, SW_SHOW, GetAncestor(hwnd, GA_ROOTOWNER));
    visited = result > 32 ? 1 : 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    if (visited) return;
    MessageBeep(MB_ICONEXCLAMATION);
    const std::u16string message = LinkErrorMessage(static_cast<int32_t>(result));
    MessageBoxW(GetAncestor(hwnd, GA_ROOT), W(message), L"Corvane", MB_OK | MB_ICONEXCLAMATION);
}

bool CLinkLabel::OnColourRequest(HDC dc, INT_PTR& result) {
    SetTextColor(dc, TextColour());
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
    return true;
}
