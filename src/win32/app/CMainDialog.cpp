#include "win32/app/CMainDialog.h"

#include "core/app/ControlIds.h"

namespace {

const wchar_t* const kCriteria[] = {L"文件内容", L"文件名", L"文件名，忽略扩展名"};

} // namespace

CMainDialog::CMainDialog() : CDialogBase(IDD_MAIN) {
    // Shared icon from the resources: the system owns it, nobody destroys it.
    icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CORVANE),
                                         IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

INT_PTR CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return TRUE;
    }
    return FALSE;
}

BOOL CMainDialog::OnInitDialog() {
    // A drop-down list cannot carry its items in the template.
    for (const wchar_t* item : kCriteria)
        SendDlgItemMessageW(hwnd, IDC_CRITERION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    ExchangeToControls();
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetDlgItemTextW(hwnd, IDC_TOTAL, L"");
    return TRUE;
}

void CMainDialog::ExchangeToControls() {
    CheckDlgButton(hwnd, IDC_CHECK_EMPTY, checkEmptyFiles ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageW(hwnd, IDC_CRITERION, CB_SETCURSEL, static_cast<WPARAM>(criterion), 0);
}

void CMainDialog::OnCommand(int id) {
    if (id == IDCANCEL) End(IDCANCEL);
}
