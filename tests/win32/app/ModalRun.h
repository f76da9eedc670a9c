#pragma once

#include <windows.h>

#include <functional>

// Whether the last RunModal ended by its watchdog rather than by the dialog itself.
inline bool& WatchdogFired() {
    static bool fired = false;
    return fired;
}

// Runs `body` from inside a dialog's modal loop, once the loop has shown the window and gone
// idle: the state the user actually sees. Returns what the modal run returned. A watchdog
// closes the dialog should the body leave it open, so a broken test cannot hang the run.
template <class Dialog>
INT_PTR RunModal(Dialog& dialog, std::function<void()> body, UINT watchdogMs = 20000) {
    static std::function<void()> pending;
    static Dialog* current;
    pending = std::move(body);
    current = &dialog;
    constexpr UINT_PTR kBody = 0x6301, kWatchdog = 0x6302;
    static int ticks;
    ticks = 0;
    WatchdogFired() = false;
    // Three ticks, with the dialog's own loop running idle between them.
    SetTimer(nullptr, kBody, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (++ticks < 3) return;
        KillTimer(nullptr, id);
        auto run = std::move(pending);
        pending = nullptr;
        if (run) run();
    });
    const UINT_PTR watchdog =
        SetTimer(nullptr, kWatchdog, watchdogMs, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            WatchdogFired() = true;
            if (current->Handle()) DestroyWindow(current->Handle());
        });
    const INT_PTR result = dialog.DoModal(nullptr);
    KillTimer(nullptr, watchdog);
    current = nullptr;
    return result;
}
