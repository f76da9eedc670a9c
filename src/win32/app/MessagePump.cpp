#include "win32/app/MessagePump.h"

#include <cwchar>

void PumpMessages(HWND dialog) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(-1);
            return;
        }
        if (dialog && IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void SetButtonsEnabled(HWND dialog, bool enable) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64];
        if (GetClassNameW(child, name, 64) == 0 || std::wcscmp(name, L"Button") != 0) continue;
        // A template id of -1 reads back as 0xFFFF from a plain template.
        const int id = GetDlgCtrlID(child);
        if (id == -1 || id == 0xFFFF) continue;
        EnableWindow(child, enable);
    }
}
