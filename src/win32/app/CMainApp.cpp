#include "win32/app/CMainApp.h"

#include "win32/app/CMainDialog.h"
#include "win32/platform/LocaleCompareLoader.h"
#include "win32/platform/NaturalCompareLoader.h"

#include <commctrl.h>

int CMainApp::Run() {
    LoadNaturalCompare();
    UsePlatformLocaleCompare();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    {
        CMainDialog dialog;
        dialog.DoModal(nullptr);
    }
    UnloadNaturalCompare();
    return 0;
}
