#include "win32/platform/CSubclassedWindow.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x436f7276; // one subclass of ours per window
}

CSubclassedWindow::~CSubclassedWindow() { Detach(); }

bool CSubclassedWindow::SubclassDlgItem(HWND dialog, int id) {
    return Subclass(GetDlgItem(dialog, id));
}

bool CSubclassedWindow::Subclass(HWND window) {
    if (!window || hwnd) return false;
    if (!SetWindowSubclass(window, Thunk, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd = window;
    return true;
}

void CSubclassedWindow::Detach() {
    if (!hwnd) return;
    RemoveWindowSubclass(hwnd, Thunk, kSubclassId);
    hwnd = nullptr;
}

LRESULT CSubclassedWindow::DefProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::Thunk(HWND h, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<CSubclassedWindow*>(data);
    if (message == WM_NCDESTROY) {
        self->Detach();
        return DefSubclassProc(h, message, wParam, lParam);
    }
    try {
        return self->WndProc(message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(h, message, wParam, lParam); // never unwind into user32
    }
}
