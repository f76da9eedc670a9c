// Not a check: shows the about box over the main window, with the pointer over the e-mail
// link and the home-page link visited, for a while so that a picture of it can be taken. Run with
// --gtest_also_run_disabled_tests --gtest_filter=AboutScreenshot.*
#include "core/window/ControlIds.h"
#include "win32/about/CAboutDialog.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(AboutScreenshot, DISABLED_ShowsTheAboutBoxWithALitLink) {
    CMainDialog d;
    RunModal(d, [&] {
        static HWND main;
        main = d.Handle();
        PostMessageW(d.Item(IDC_ABOUT_ICON), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            HWND box = FindWindowW(L"#32770", L"关于 Corvane");
            if (!box) return;
            auto* about = static_cast<CAboutDialog*>(
                reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(box, DWLP_USER)));
            // The real pointer over the e-mail link: it lights up and its tooltip comes.
            RECT link;
            GetWindowRect(about->EmailLink().Handle(), &link);
            SetCursorPos(link.left + 20, link.top + 4);
            about->HomePageLink().visited = 1;
            InvalidateRect(about->HomePageLink().Handle(), nullptr, TRUE);
            const char* seconds = std::getenv("CORVANE_SHOT_SECONDS");
            const DWORD until = GetTickCount() + 1000 * (seconds ? std::atoi(seconds) : 8);
            while (GetTickCount() < until) {
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&msg);
                    DispatchMessageW(&msg);
                }
                Sleep(20);
            }
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            PostMessageW(main, WM_CLOSE, 0, 0);
        });
    });
}

} // namespace
