#include "win32/about/CAboutIcon.h"

#include "core/about/AboutTexts.h"
#include "win32/about/CAboutDialog.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowText.h"

bool CAboutIcon::Attach(HWND dialog, int id) {
    if (!SubclassDlgItem(dialog, id)) return false;
    AddNotifyStyle();
    LoadHandCursor();
    CreateToolTip(AboutIconTip(U16(WindowText(dialog))));
    return true;
}

void CAboutIcon::OnClicked() {
    Leave();
    CAboutDialog about;
    about.DoModal(GetParent(hwnd));
}
