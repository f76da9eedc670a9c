#include "win32/app/CMainDialog.h"

#include "core/app/MainLayout.h"
#include "core/results/ResultRows.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"
#include "win32/app/MessagePump.h"
#include "win32/choosers/CFolderBrowser.h"
#include "win32/choosers/DroppedFolders.h"
#include "win32/platform/CWin32OutputFile.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowText.h"
#include "win32/results/ExportFileDialog.h"
#include "win32/results/OpenPath.h"

#include <shellapi.h>

#include <string>

namespace {

const wchar_t* const kCriteria[] = {L"文件内容", L"文件名", L"文件名，忽略扩展名"};

} // namespace

CMainDialog::CMainDialog() : CResizableDialog(IDD_MAIN) {
    // Shared icon from the resources: the system owns it, nobody destroys it.
    icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CORVANE),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

INT_PTR CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (OnResizeMessage(message, wParam, lParam)) return message == WM_GETMINMAXINFO;
    if (INT_PTR result; aboutIcon.OnParentMessage(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return TRUE;
    case WM_PAINT: return OnPaintMinimised();
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(icon);
    case WM_DROPFILES:
        // Also while a search runs: the search works on the folders listed when it started.
        commands.FolderList().AppendDroppedFolders(
            TakeDroppedFolders(reinterpret_cast<HDROP>(wParam)));
        return FALSE;
    case WM_DESTROY: commands.OnWindowDestroyed(); return FALSE;
    }
    return FALSE;
}

BOOL CMainDialog::OnInitDialog() {
    // A drop-down list cannot carry its items in the template.
    for (const wchar_t* item : kCriteria)
        SendDlgItemMessageW(hwnd, IDC_CRITERION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    commands.ExchangeToControls();
    InitResizing();
    statusLine.SubclassDlgItem(hwnd, IDC_STATUS);
    statusLine.SetEllipsisMode(1);
    aboutIcon.Attach(hwnd, IDC_ABOUT_ICON);
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetDlgItemTextW(hwnd, IDC_TOTAL, L"");
    LOGFONTW description{};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    if (dialogFont && GetObjectW(dialogFont, sizeof(description), &description))
        gridFont.Reset(CreateFontIndirectW(&description));
    SetUpGrids();
    Maximise();
    return TRUE;
}

void CMainDialog::SetUpGrids() {
    const GridFont font = reinterpret_cast<GridFont>(gridFont.Get());
    if (!resultWindow.Handle() &&
        resultWindow.AttachToControl(commands.resultGrid, hwnd, IDC_RESULT_FRAME))
        SetUpResultGrid(commands.resultGrid, font);
    if (!folderWindow.Handle() &&
        folderWindow.AttachToControl(commands.folderGrid, hwnd, IDC_FOLDER_FRAME))
        SetUpFolderGrid(commands.folderGrid, font);
    for (CListGrid* grid : {&commands.resultGrid, &commands.folderGrid})
        grid->SetOpenHandler([this](const std::u16string& label) { commands.OnOpenItem(label); });
}

void CMainDialog::Maximise() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(hwnd, &placement);
    placement.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(hwnd, &placement);
}

void CMainDialog::OnSizeChanged(int dx, int dy) {
    int count = 0;
    const LayoutStep* steps = MainLayoutSteps(count);
    for (int i = 0; i < count; ++i) {
        const LayoutStep& step = steps[i];
        if ((step.horizontal ? dx : 0) == 0 && (step.vertical ? dy : 0) == 0) continue;
        HWND control = GetDlgItem(hwnd, step.id);
        if (!control) continue;
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        const LayoutRect moved = ApplyLayoutStep(step, {r.left, r.top, r.right, r.bottom}, dx, dy);
        MoveWindow(control, moved.left, moved.top, moved.right - moved.left,
                   moved.bottom - moved.top, TRUE);
    }
    commands.resultGrid.FitAllColumns();
    commands.folderGrid.FitAllColumns();
}

bool CMainDialog::OnPaintMinimised() {
    if (!IsIconic(hwnd)) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SendMessageW(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(hwnd, &client);
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, icon);
    EndPaint(hwnd, &ps);
    return true;
}

void CMainDialog::OnCommand(int id) {
    switch (id) {
    case IDCANCEL:
        if (commands.CanClose()) End(IDCANCEL);
        break;
    case IDC_FIND_DUPLICATES: commands.OnSearchDuplicates(); break;
    case IDC_FIND_EMPTY_FOLDERS: commands.OnSearchEmptyFolders(); break;
    case IDC_TICK_RIGHT: commands.OnTickRightColumn(); break;
    case IDC_CLEAR_TICKS: commands.OnClearAllTicks(); break;
    case IDC_DELETE_FILES: commands.DeleteTicked(IDC_FIND_DUPLICATES); break;
    case IDC_DELETE_FOLDERS: commands.DeleteTicked(IDC_FIND_EMPTY_FOLDERS); break;
    case IDC_EXPORT: {
        CWin32OutputFile file;
        commands.OnExportList(file);
        break;
    }
    case IDC_ADD_FOLDER: commands.FolderList().OnAdd(); break;
    case IDC_NEW_LIST: commands.FolderList().OnNew(); break;
    case IDC_REMOVE_FOLDER: commands.FolderList().OnDelete(); break;
    case IDC_CLEAR_LIST: commands.FolderList().OnClear(); break;
    case IDC_MOVE_UP: commands.FolderList().OnMoveUp(); break;
    case IDC_MOVE_DOWN: commands.FolderList().OnMoveDown(); break;
    // The empty-folder search comes with its own command.
    default: break;
    }
}

std::u16string CMainDialog::ItemText(int id) const { return U16(WindowText(Item(id))); }

void CMainDialog::SetItemText(int id, std::u16string_view text) {
    const std::u16string terminated(text);
    SetDlgItemTextW(hwnd, id, W(terminated));
}

bool CMainDialog::IsItemEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

void CMainDialog::EnableItem(int id, bool enable) { EnableWindow(Item(id), enable); }

bool CMainDialog::IsItemChecked(int id) const {
    return IsDlgButtonChecked(hwnd, id) == BST_CHECKED;
}

void CMainDialog::CheckItem(int id, bool checked) {
    CheckDlgButton(hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

int CMainDialog::SelectedIndex(int id) const {
    return static_cast<int>(SendDlgItemMessageW(hwnd, id, CB_GETCURSEL, 0, 0));
}

void CMainDialog::SelectIndex(int id, int index) {
    SendDlgItemMessageW(hwnd, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CMainDialog::SetButtonsEnabled(bool enable) { ::SetButtonsEnabled(hwnd, enable); }

int CMainDialog::ShowMessage(std::u16string_view text, unsigned style) {
    const std::u16string terminated(text);
    return MessageBoxW(hwnd, W(terminated), L"Corvane", MessageStyle::WithDefaultIcon(style));
}

void CMainDialog::PumpMessages() { ::PumpMessages(hwnd); }

uint64_t CMainDialog::Milliseconds() { return GetTickCount64(); }

void CMainDialog::BringToFront() {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    HWND popup = GetLastActivePopup(hwnd);
    SetForegroundWindow(hwnd);
    if (IsIconic(hwnd)) {
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
    }
    if (popup && popup != hwnd) SetForegroundWindow(popup);
}

void CMainDialog::SetTopmost(bool on) {
    SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainDialog::FocusItem(int id) {
    // As the dialog's own next-control step does, so that the default button follows.
    SendMessageW(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void CMainDialog::PostCommand(int id) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void CMainDialog::SetWaitCursor(bool on) {
    if (on) {
        savedCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
        SetCursor(savedCursor ? savedCursor : LoadCursorW(nullptr, IDC_ARROW));
        savedCursor = nullptr;
    }
}

bool CMainDialog::ChooseSaveFile(std::u16string& path) {
    return ChooseExportFile(
        hwnd, [this](const std::u16string& text) { ShowMessage(text, MessageStyle::kOk); }, path);
}

bool CMainDialog::OpenPath(const std::u16string& path) { return ::OpenPath(hwnd, path); }
std::optional<std::u16string> CMainDialog::BrowseForFolder(std::u16string_view caption,
                                                           std::u16string_view prompt,
                                                           std::u16string_view initialPath) {
    CFolderBrowser browser{std::u16string(caption), std::u16string(prompt),
                           std::u16string(initialPath), hwnd};
    if (browser.DoModal() != IDOK) return std::nullopt;
    return browser.ChosenPath();
}
