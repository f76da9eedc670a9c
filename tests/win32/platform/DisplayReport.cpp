#include "win32/app/CMainDialog.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The window tests measure layouts in pixels: when they fail on another machine, the first
// question is what screen, resolution and dialog font that machine gave them. One line says.
class DisplayReport : public ::testing::Environment {
public:
    void SetUp() override {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        const int bits = GetDeviceCaps(screen, BITSPIXEL);
        ReleaseDC(nullptr, screen);
        CMainDialog dialog;
        RECT units = {0, 0, 4, 8};
        wchar_t face[LF_FACESIZE] = L"?";
        if (dialog.Create(nullptr)) {
            ShowWindow(dialog.Handle(), SW_HIDE);
            MapDialogRect(dialog.Handle(), &units);
            HDC dc = GetDC(dialog.Handle());
            const HGDIOBJ old = SelectObject(
                dc, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog.Handle(), WM_GETFONT, 0, 0)));
            GetTextFaceW(dc, LF_FACESIZE, face);
            SelectObject(dc, old);
            ReleaseDC(dialog.Handle(), dc);
        }
        char managed[8] = "unset";
        DWORD size = sizeof(managed);
        RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", "Managed", RRF_RT_REG_SZ,
                     nullptr, managed, &size);
        char faceUtf8[4 * LF_FACESIZE] = "?";
        WideCharToMultiByte(CP_UTF8, 0, face, -1, faceUtf8, sizeof(faceUtf8), nullptr, nullptr);
        std::printf(
            "Wine display: screen %dx%d at %d bits, work area %ldx%ld, %d dpi, caption %d px, "
            "dialog unit 4x8 = %ldx%ld px in \"%s\", main window at least %dx%d, managed %s\n",
            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), bits,
            work.right - work.left, work.bottom - work.top, dpi, GetSystemMetrics(SM_CYCAPTION),
            units.right, units.bottom, faceUtf8, dialog.minTrackWidth, dialog.minTrackHeight,
            managed);
        std::fflush(stdout);
        if (dialog.Handle()) DestroyWindow(dialog.Handle());
    }
};

[[maybe_unused]] ::testing::Environment* const kReport =
    ::testing::AddGlobalTestEnvironment(new DisplayReport);

} // namespace
