#include "win32/about/CAboutDialog.h"

#include "core/about/AboutTexts.h"
#include "win32/about/AboutIds.h"

CAboutDialog::CAboutDialog() : CDialogBase(IDD_ABOUT) {}

INT_PTR CAboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (emailLink.OnParentMessage(message, wParam, lParam, result) ||
        homePageLink.OnParentMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) End(LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

BOOL CAboutDialog::OnInitDialog() {
    emailLink.Attach(hwnd, IDC_EMAIL_LINK);
    emailLink.SetURL(kEmailLink);
    homePageLink.Attach(hwnd, IDC_HOME_LINK);
    homePageLink.SetURL(kHomePageLink);
    return TRUE;
}
