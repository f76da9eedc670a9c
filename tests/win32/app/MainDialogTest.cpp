#include "core/scan/ScanPathPool.h"
#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/MessagePump.h"
#include "win32/app/ModalRun.h"
#include "win32/platform/LayoutScreen.h"
#include "win32/platform/WindowText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::map<HWND, RECT> ChildRects(HWND dialog) {
    std::map<HWND, RECT> rects;
    for (HWND w = GetWindow(dialog, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        rects[w] = ClientRectOf(dialog, w);
    return rects;
}

bool SameRects(const std::map<HWND, RECT>& a, const std::map<HWND, RECT>& b) {
    if (a.size() != b.size()) return false;
    for (const auto& [w, r] : a) {
        auto it = b.find(w);
        if (it == b.end() || !EqualRect(&r, &it->second)) return false;
    }
    return true;
}

// Every control of the bottom row with its distance from the bottom edge of the client area
// (top and bottom), its left edge and its distance from the right edge.
std::map<int, RECT> BottomRowFromEdges(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    std::map<int, RECT> rects;
    for (int id : {IDC_EXAMINED_LABEL, IDC_EXAMINED, IDC_TOTAL, IDC_DUPLICATES_LABEL,
                   IDC_DUPLICATES, IDC_EMPTY_LABEL, IDC_EMPTY, IDC_STATUS}) {
        const RECT r = ClientRectOf(dialog, GetDlgItem(dialog, id));
        rects[id] = {r.left, client.bottom - r.top, client.right - r.right,
                     client.bottom - r.bottom};
    }
    return rects;
}

// Distances that the layout must keep: bottom row to the bottom edge, result list above it.
struct BottomRow {
    int examinedFromBottom, statusFromBottom, resultGap, folderHeight;
};

BottomRow MeasureBottomRow(CMainDialog& d) {
    RECT client;
    GetClientRect(d.Handle(), &client);
    const RECT examined = ClientRectOf(d.Handle(), d.Item(IDC_EXAMINED));
    const RECT status = ClientRectOf(d.Handle(), d.Item(IDC_STATUS));
    const RECT result = ClientRectOf(d.Handle(), d.Item(IDC_RESULT_FRAME));
    const RECT folder = ClientRectOf(d.Handle(), d.Item(IDC_FOLDER_FRAME));
    return {client.bottom - examined.top, client.bottom - status.top, examined.top - result.bottom,
            folder.bottom - folder.top};
}

TEST(MainDialog, OpensMaximisedInItsFirstState) {
    CMainDialog d;
    RunModal(d, [&] {
        HWND h = d.Handle();
        EXPECT_TRUE(IsZoomed(h));
        EXPECT_TRUE(IsWindowVisible(h));
        EXPECT_EQ(IsDlgButtonChecked(h, IDC_CHECK_EMPTY), BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageW(h, IDC_CRITERION, CB_GETCURSEL, 0, 0), 0);
        for (int id :
             {IDC_DELETE_FILES, IDC_TICK_RIGHT, IDC_CLEAR_TICKS, IDC_EXPORT, IDC_DELETE_FOLDERS})
            EXPECT_FALSE(IsWindowEnabled(d.Item(id))) << id;
        EXPECT_EQ(d.ItemText(IDC_STATUS), u"(Ready)");
        EXPECT_EQ(d.ItemText(IDC_TOTAL), u"");
        for (int id : {IDC_EXAMINED, IDC_DUPLICATES, IDC_EMPTY}) EXPECT_EQ(d.ItemText(id), u"0");
        CMainCommands& c = d.Commands();
        EXPECT_EQ(c.running, 0);
        EXPECT_EQ(c.stopRequested, 0);
        EXPECT_NE(d.ResultWindow().Handle(), nullptr);
        EXPECT_NE(d.FolderWindow().Handle(), nullptr);
        EXPECT_EQ(c.resultGrid.ColumnCount(), 2);
        EXPECT_EQ(c.resultGrid.RowCount(), 0);
        EXPECT_EQ(c.resultGrid.CellText(0, -1), u"源文件");
        EXPECT_EQ(c.resultGrid.CellText(1, -1), u"重复/空文件");
        EXPECT_EQ(c.folderGrid.ColumnCount(), 1);
        EXPECT_EQ(c.folderGrid.RowCount(), 0);
        EXPECT_EQ(c.folderGrid.CellText(0, -1), u"源文件夹");
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, ICON_BIG, 0)), d.Icon());
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(h, WM_QUERYDRAGICON, 0, 0)), d.Icon());
        PostMessageW(h, WM_CLOSE, 0, 0);
    });
}

TEST(MainDialog, ResizingKeepsTheBottomRowAndTheFolderListHeight) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    CMainDialog d;
    RunModal(d, [&] {
        HWND h = d.Handle();
        const BottomRow maximised = MeasureBottomRow(d);
        const auto maximisedRow = BottomRowFromEdges(h);
        ShowWindow(h, SW_RESTORE);
        ASSERT_FALSE(IsZoomed(h));
        RECT outer;
        GetWindowRect(h, &outer);
        EXPECT_EQ(outer.right - outer.left, d.minTrackWidth); // restored to the design size
        EXPECT_EQ(outer.bottom - outer.top, d.minTrackHeight);
        const BottomRow design = MeasureBottomRow(d);
        const auto designRow = BottomRowFromEdges(h);
        std::map<int, int> designMargins;
        RECT designClient;
        GetClientRect(h, &designClient);
        for (int id : {IDC_STATUS, IDC_RESULT_FRAME, IDC_FOLDER_FRAME})
            designMargins[id] = designClient.right - ClientRectOf(h, d.Item(id)).right;
        const RECT designButton = ClientRectOf(h, d.Item(IDC_FIND_DUPLICATES));
        SetWindowPos(h, nullptr, 0, 0, d.minTrackWidth + 237, d.minTrackHeight + 151,
                     SWP_NOMOVE | SWP_NOZORDER);
        const BottomRow larger = MeasureBottomRow(d);
        const auto largerRow = BottomRowFromEdges(h);
        const RECT mainButton = ClientRectOf(h, d.Item(IDC_FIND_DUPLICATES));
        for (const BottomRow& b : {maximised, larger}) {
            EXPECT_EQ(b.examinedFromBottom, design.examinedFromBottom);
            EXPECT_EQ(b.statusFromBottom, design.statusFromBottom);
            EXPECT_EQ(b.resultGap, design.resultGap);
            EXPECT_EQ(b.folderHeight, design.folderHeight);
        }
        EXPECT_GT(design.resultGap, 0);
        // Each control of the bottom row keeps its left edge and its distance from the bottom;
        // only the status line widens with the window.
        for (const auto& [id, r] : designRow) {
            for (const RECT& now : {largerRow.at(id), maximisedRow.at(id)}) {
                EXPECT_EQ(now.left, r.left) << id;
                EXPECT_EQ(now.top, r.top) << id;
                EXPECT_EQ(now.bottom, r.bottom) << id;
            }
            const int rightEdgeMoved = largerRow.at(id).right - r.right;
            EXPECT_EQ(rightEdgeMoved, id == IDC_STATUS ? 0 : 237) << id;
        }
        // The status line and both lists keep their right margin; the main button stays put.
        RECT client;
        GetClientRect(h, &client);
        for (int id : {IDC_STATUS, IDC_RESULT_FRAME, IDC_FOLDER_FRAME})
            EXPECT_EQ(client.right - ClientRectOf(h, d.Item(id)).right, designMargins[id]) << id;
        EXPECT_TRUE(EqualRect(&mainButton, &designButton));
        PostMessageW(h, WM_CLOSE, 0, 0);
    });
}

TEST(MainDialog, CannotBeMadeSmallerThanItsDesignSize) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    CMainDialog d;
    RunModal(d, [&] {
        HWND h = d.Handle();
        ShowWindow(h, SW_RESTORE);
        MINMAXINFO info{};
        SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, d.minTrackWidth);
        EXPECT_EQ(info.ptMinTrackSize.y, d.minTrackHeight);
        // 482 x 263 dialog units of client area, plus the frame.
        RECT design = {0, 0, 482, 263};
        MapDialogRect(h, &design);
        EXPECT_GT(d.minTrackWidth, design.right);
        EXPECT_GT(d.minTrackHeight, design.bottom);
        MoveWindow(h, 10, 10, 300, 200, TRUE);
        RECT outer;
        GetWindowRect(h, &outer);
        EXPECT_EQ(outer.right - outer.left, d.minTrackWidth);
        EXPECT_EQ(outer.bottom - outer.top, d.minTrackHeight);
        PostMessageW(h, WM_CLOSE, 0, 0);
    });
}

TEST(MainDialog, MinimisingAndRestoringMovesNothing) {
    CMainDialog d;
    RunModal(d, [&] {
        HWND h = d.Handle();
        const auto before = ChildRects(h);
        ShowWindow(h, SW_MINIMIZE);
        EXPECT_TRUE(IsIconic(h));
        PumpMessages(h);
        ShowWindow(h, SW_RESTORE);
        PumpMessages(h);
        EXPECT_TRUE(IsZoomed(h));
        EXPECT_TRUE(SameRects(before, ChildRects(h)));
        PostMessageW(h, WM_CLOSE, 0, 0);
    });
}

TEST(MainDialog, RefusesToCloseWhileRunningAndClosesAfter) {
    CMainDialog d;
    bool openAfterCloseAttempts = false;
    const INT_PTR result = RunModal(d, [&] {
        HWND h = d.Handle();
        d.Commands().EnterBusy(IDC_FIND_DUPLICATES);
        SendMessageW(h, WM_CLOSE, 0, 0);
        SendMessageW(h, WM_COMMAND, IDCANCEL, 0);
        SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
        PostMessageW(d.Item(IDC_FIND_DUPLICATES), WM_KEYDOWN, VK_ESCAPE, 0);
        PumpMessages(h);
        openAfterCloseAttempts = IsWindow(h) && IsWindowVisible(h);
        d.Commands().LeaveBusy(IDC_FIND_DUPLICATES, u"2. 查找重复文件");
        PostMessageW(d.Item(IDC_FIND_DUPLICATES), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_TRUE(openAfterCloseAttempts);
    EXPECT_EQ(result, IDCANCEL); // Esc closed it once the run was over
    EXPECT_EQ(d.Handle(), nullptr);
}

TEST(MainDialog, EscInAGridStaysInTheGrid) {
    CMainDialog d;
    bool openAfterEscInGrid = false;
    const INT_PTR result = RunModal(d, [&] {
        HWND h = d.Handle();
        HWND cells = d.ResultWindow().CellArea();
        SetFocus(cells);
        PostMessageW(cells, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpMessages(h);
        openAfterEscInGrid = IsWindow(h) && IsWindowVisible(h);
        PostMessageW(d.Item(IDC_ADD_FOLDER), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_TRUE(openAfterEscInGrid);
    EXPECT_EQ(result, IDCANCEL);
}

TEST(MainDialog, SetButtonsEnabledReachesPushButtonsAndTheCheckBoxOnly) {
    CMainDialog d;
    RunModal(d, [&] {
        HWND h = d.Handle();
        SetButtonsEnabled(h, false);
        int buttons = 0;
        for (HWND w = GetWindow(h, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
            const bool isButton = WindowClassName(w) == L"Button";
            buttons += isButton;
            EXPECT_EQ(IsWindowEnabled(w) != FALSE, !isButton) << GetDlgCtrlID(w);
        }
        EXPECT_EQ(buttons, 14); // 13 push buttons and the check box 1029
        EXPECT_TRUE(IsWindowEnabled(d.Item(IDC_CRITERION)));
        EXPECT_TRUE(IsWindowEnabled(d.ResultWindow().CellArea()));
        SetButtonsEnabled(h, true);
        EXPECT_TRUE(IsWindowEnabled(d.Item(IDC_DELETE_FILES)));
        EXPECT_TRUE(IsWindowEnabled(d.Item(IDC_CHECK_EMPTY)));
        PostMessageW(h, WM_CLOSE, 0, 0);
    });
}

TEST(MainDialog, AQuitDuringARunTakesEffectAfterIt) {
    CMainDialog d;
    bool openDuringRun = false;
    const INT_PTR result = RunModal(d, [&] {
        HWND h = d.Handle();
        d.Commands().EnterBusy(IDC_FIND_EMPTY_FOLDERS);
        EXPECT_EQ(d.ItemText(IDC_FIND_EMPTY_FOLDERS), u"停止");
        PostQuitMessage(0);
        for (int i = 0; i < 5; ++i) d.Commands().ShouldStop();
        openDuringRun = IsWindow(h) && IsWindowVisible(h);
        d.Commands().LeaveBusy(IDC_FIND_EMPTY_FOLDERS, u"查找");
        // Returning to the modal loop with the quit still queued ends the program.
    });
    EXPECT_TRUE(openDuringRun);
    // The quit ended the window's loop, not the test's watchdog, and is left for the caller.
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(WatchdogFired());
    EXPECT_EQ(d.Handle(), nullptr);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(static_cast<int>(msg.wParam), -1);
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    } // leave the thread's queue clean for the next test
}

TEST(MainDialog, StatusLineShowsAmpersandsAndKeepsTheFileNameOfALongPath) {
    CMainDialog d;
    RunModal(d, [&] {
        HWND h = d.Handle();
        std::u16string path = u"Z:\\Tom & Jerry\\";
        for (int i = 0; i < 40; ++i) path += u"很长的文件夹\\";
        path += u"R&D 报告.txt";
        d.SetItemText(IDC_STATUS, path);
        EXPECT_EQ(d.ItemText(IDC_STATUS), path);
        const UINT flags = d.StatusLine().TextFlags();
        EXPECT_EQ(flags & (DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_VCENTER),
                  static_cast<UINT>(DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_VCENTER));
        // What those flags make of the text in the control's own rectangle and font.
        HWND status = d.Item(IDC_STATUS);
        RECT r;
        GetClientRect(status, &r);
        HDC dc = GetDC(status);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
        std::wstring shown(reinterpret_cast<const wchar_t*>(path.c_str()));
        shown.resize(shown.size() + 8);
        DrawTextW(dc, shown.data(), -1, &r, flags | DT_SINGLELINE | DT_MODIFYSTRING | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(status, dc);
        shown.resize(wcslen(shown.c_str()));
        EXPECT_LT(shown.size(), path.size());
        EXPECT_NE(shown.find(L"..."), std::wstring::npos);
        EXPECT_EQ(shown.substr(0, 9), L"Z:\\Tom & ");
        EXPECT_EQ(shown.substr(shown.size() - 10), L"R&D 报告.txt");
        PostMessageW(h, WM_CLOSE, 0, 0);
    });
}

TEST(MainDialog, DestroyingTheWindowReleasesTheLastScan) {
    CMainDialog d;
    RunModal(d, [&] {
        ASSERT_TRUE(d.Commands().fileTable.Allocate(10));
        ASSERT_GT(ScanPathPool().Add(u"Z:\\tmp\\a.txt"), 0);
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(d.Commands().fileTable.files, nullptr);
    EXPECT_EQ(d.Commands().fileTable.fileCount, 0u);
    EXPECT_EQ(ScanPathPool().Count(), 0u);
}

TEST(MainDialog, StatusLineRepaintsAtOnceOutsideTheMessageLoop) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    CMainDialog d;
    RunModal(d, [&] {
        HWND status = d.Item(IDC_STATUS);
        // Pixels of the control that differ from its background, read from the screen.
        auto inked = [&] {
            RECT r;
            GetClientRect(status, &r);
            HDC dc = GetDC(status);
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            int count = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.left + 200 && x < r.right; ++x)
                    count += GetPixel(dc, x, y) != face;
            ReleaseDC(status, dc);
            return count;
        };
        // The screen is read: no other program's window may cover the line meanwhile.
        SetWindowPos(d.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        // No message is dispatched between setting a text and reading the screen.
        d.SetItemText(IDC_STATUS, u"");
        EXPECT_FALSE(GetUpdateRect(status, nullptr, FALSE));
        EXPECT_EQ(inked(), 0);
        d.SetItemText(IDC_STATUS, u"■■■■■■■■ 正在检查");
        EXPECT_FALSE(GetUpdateRect(status, nullptr, FALSE));
        EXPECT_GT(inked(), 50);
        d.SetItemText(IDC_STATUS, u"");
        EXPECT_EQ(inked(), 0);
        SetWindowPos(d.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
}

} // namespace
