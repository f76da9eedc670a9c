#include "win32/grid/CGridWindow.h"

#include "win32/grid/CGdiCanvas.h"
#include "win32/platform/CUnique.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr wchar_t kPartClass[] = L"CorvaneGridPart";
constexpr UINT_PTR kSubclassId = 0x47524944; // one subclass of the frame per grid

} // namespace

CGridWindow::~CGridWindow() { Detach(); }

bool CGridWindow::RegisterPartClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = PartProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kPartClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

namespace {

// The dots per inch the window is drawn at: its own where the system tells it (the monitor's
// when the program is per-monitor aware), else the screen's.
int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    int dpi = 96;
    if (HDC dc = GetDC(window)) {
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
    }
    return dpi > 0 ? dpi : 96;
}

} // namespace

bool CGridWindow::AttachToControl(CGridCtrl& target, HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    if (!control || frame || !RegisterPartClass()) return false;
    if (!SetWindowSubclass(control, FrameProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    frame = control;
    grid = &target;
    const LONG_PTR style = GetWindowLongPtrW(frame, GWL_STYLE);
    SetWindowLongPtrW(frame, GWL_STYLE, style | WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP);
    SetWindowPos(frame, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (!CreateParts()) {
        Detach();
        return false;
    }
    CreateToolTip();
    hintWindow.Create(frame);
    grid->SetView(this);
    grid->SetDpi(WindowDpi(frame));
    Layout();
    grid->SetupHook();
    return true;
}

bool CGridWindow::CreateParts() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    auto make = [&](int id, const wchar_t* cls, DWORD style) {
        return CreateWindowExW(0, cls, L"", WS_CHILD | style, 0, 0, 0, 0, frame,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    };
    parts[0] = make(kCellsId, kPartClass, WS_VISIBLE);
    parts[1] = make(kTopId, kPartClass, WS_VISIBLE);
    parts[2] = make(kSideId, kPartClass, WS_VISIBLE);
    parts[3] = make(kCornerId, kPartClass, WS_VISIBLE);
    tabBar = make(kTabBarId, kPartClass, 0); // the program shows no tabs
    vScroll = make(kVScrollId, L"SCROLLBAR", WS_VISIBLE | SBS_VERT);
    hScroll = make(kHScrollId, L"SCROLLBAR", WS_VISIBLE | SBS_HORZ);
    return std::all_of(std::begin(parts), std::end(parts), [](HWND h) { return h != nullptr; }) &&
           tabBar && vScroll && hScroll;
}

void CGridWindow::CreateToolTip() {
    toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!toolTip) return;
    // The version-2 size is understood by every version of the common controls.
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = frame;
    tool.uId = reinterpret_cast<UINT_PTR>(CellArea());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CGridWindow::Detach() {
    if (grid) grid->SetView(nullptr);
    grid = nullptr;
    if (!frame) return;
    for (HWND part : parts)
        if (part) SetWindowLongPtrW(part, GWLP_USERDATA, 0);
    if (tabBar) SetWindowLongPtrW(tabBar, GWLP_USERDATA, 0);
    if (toolTip) DestroyWindow(toolTip);
    hintWindow.Destroy();
    RemoveWindowSubclass(frame, FrameProc, kSubclassId);
    frame = tabBar = vScroll = hScroll = toolTip = nullptr;
    std::fill(std::begin(parts), std::end(parts), nullptr);
}

HWND CGridWindow::Part(GridPart part) const { return parts[static_cast<int>(part)]; }

void CGridWindow::Layout() {
    if (!frame || !grid) return;
    RECT client;
    GetClientRect(frame, &client);
    const int w = client.right, h = client.bottom;
    const int bar = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const int side = grid->SideHeadingWidth(), top = grid->TopHeadingHeight();
    const int cellsWidth = std::max(0, w - side - bar),
              cellsHeight = std::max(0, h - top - barHeight);
    HDWP batch = BeginDeferWindowPos(6);
    auto place = [&](HWND part, int x, int y, int cx, int cy) {
        if (batch)
            batch = DeferWindowPos(batch, part, nullptr, x, y, std::max(cx, 0), std::max(cy, 0),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(Part(GridPart::Corner), 0, 0, side, top);
    place(Part(GridPart::TopHeading), side, 0, cellsWidth, top);
    place(Part(GridPart::SideHeading), 0, top, side, cellsHeight);
    place(CellArea(), side, top, cellsWidth, cellsHeight);
    place(vScroll, w - bar, 0, bar, h - barHeight);
    place(hScroll, 0, h - barHeight, w - bar, barHeight);
    if (batch) EndDeferWindowPos(batch);
    grid->SetScrollArrowWidth(GetSystemMetrics(SM_CXHSCROLL));
    grid->SetViewSize(cellsWidth, cellsHeight);
    UpdateScrollBars();
}

void CGridWindow::InvalidatePart(GridPart part, const GridRect* area) {
    HWND h = Part(part);
    if (!h) return;
    if (!area) {
        InvalidateRect(h, nullptr, FALSE);
        return;
    }
    const RECT r{area->left, area->top, area->right, area->bottom};
    InvalidateRect(h, &r, FALSE);
}

void CGridWindow::ScrollRangeChanged() {
    // Appending a hundred thousand rows must not redraw the scroll bars a hundred thousand
    // times: one update waits in the queue until the appending stops to look at messages.
    if (scrollUpdatePending || !frame) return;
    scrollUpdatePending = PostMessageW(frame, kUpdateScrollMessage, 0, 0) != FALSE;
    if (!scrollUpdatePending) UpdateScrollBars();
}

namespace {

SCROLLINFO WantedInfo(int count, int page, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMax = std::max(0, count - 1);
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    return info;
}

// What a bar shows now, every field; false (and all zero) when it cannot be read.
bool ReadBar(HWND bar, SCROLLINFO& shown) {
    shown = {};
    shown.cbSize = sizeof shown;
    shown.fMask = SIF_ALL;
    return GetScrollInfo(bar, SB_CTL, &shown) != FALSE;
}

// Drawing a scroll bar costs milliseconds on some platforms: a bar already showing what is
// wanted is left alone.
bool SameView(const SCROLLINFO& shown, const SCROLLINFO& wanted) {
    return shown.nMin == wanted.nMin && shown.nMax == wanted.nMax && shown.nPage == wanted.nPage &&
           shown.nPos == wanted.nPos;
}

} // namespace

SCROLLINFO CGridWindow::VerticalInfo() const {
    const int rows = grid->RowCount();
    return WantedInfo(rows, rows > grid->PageRows() ? grid->PageRows() : rows + 1, grid->TopRow());
}

void CGridWindow::OnScrollUpdateDue() {
    // While a search appends rows the range grows all the time: it is redrawn a few times a
    // second, the rest of the time goes to the search. A move of the view shows at once.
    SCROLLINFO shown;
    if (grid && vScroll && ReadBar(vScroll, shown) && shown.nMax != VerticalInfo().nMax) {
        const uint64_t now = GetTickCount64();
        if (now - rangeShownAt < kRangeEveryMs &&
            SetTimer(frame, kScrollTimerId, static_cast<UINT>(kRangeEveryMs - (now - rangeShownAt)),
                     nullptr))
            return;
    }
    UpdateScrollBars();
}

void CGridWindow::UpdateScrollBars() {
    scrollUpdatePending = false;
    if (frame) KillTimer(frame, kScrollTimerId);
    if (!grid || !vScroll) return;
    SCROLLINFO info = VerticalInfo();
    SCROLLINFO shown;
    const bool readable = ReadBar(vScroll, shown);
    if (!readable || shown.nMax != info.nMax) rangeShownAt = GetTickCount64();
    if (!readable || !SameView(shown, info)) SetScrollInfo(vScroll, SB_CTL, &info, TRUE);
    const int fitting = grid->ColumnCount() - grid->MaxLeftColumn();
    info = WantedInfo(grid->ColumnCount(),
                      grid->MaxLeftColumn() > 0 ? fitting : grid->ColumnCount() + 1,
                      grid->LeftColumn());
    if (!ReadBar(hScroll, shown) || !SameView(shown, info))
        SetScrollInfo(hScroll, SB_CTL, &info, TRUE);
}

void CGridWindow::OnScroll(bool vertical, int code) {
    HWND bar = vertical ? vScroll : hScroll;
    SCROLLINFO info;
    ReadBar(bar, info);
    int pos = info.nPos;
    const int page = std::max(1, static_cast<int>(info.nPage));
    switch (code) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = info.nMax; break;
    case SB_THUMBTRACK:
        if (!(vertical ? grid->VScrollTracking() : grid->HScrollTracking())) return;
        pos = info.nTrackPos; // the 32-bit position, not the 16 bits of the message
        break;
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    default: return;
    }
    if (vertical)
        grid->SetTopRow(pos);
    else
        grid->SetLeftColumn(pos);
    UpdateScrollBars();
}

void CGridWindow::PaintPart(GridPart part, HDC dc, const RECT& area) const {
    if (!grid) return;
    const GridRect dirty{area.left, area.top, area.right, area.bottom};
    if (part != GridPart::Cells || !grid->DoubleBuffered()) {
        CGdiCanvas canvas(dc);
        grid->Paint(part, canvas, dirty);
        return;
    }
    const int w = area.right - area.left, h = area.bottom - area.top;
    CMemoryDc memory(CreateCompatibleDC(dc));
    CBitmapHandle bitmap(CreateCompatibleBitmap(dc, w, h));
    if (!memory || !bitmap) return;
    CSelectGuard select(memory.Get(), bitmap.Get());
    SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
    {
        CGdiCanvas canvas(memory.Get());
        grid->Paint(part, canvas, dirty);
    }
    SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    BitBlt(dc, area.left, area.top, w, h, memory.Get(), 0, 0, SRCCOPY);
}

void CGridWindow::Paint(HWND h, GridPart part) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    if (dc) PaintPart(part, dc, ps.rcPaint);
    EndPaint(h, &ps);
}
