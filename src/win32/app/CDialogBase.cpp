#include "win32/app/CDialogBase.h"

// The platform's own modal loop shows the dialog with SW_SHOWNORMAL when its queue first runs
// empty on some systems, which undoes a window placement made during initialisation (the
// main window opens maximised). This loop leaves the window as initialisation made it.
INT_PTR CDialogBase::DoModal(HWND parent) {
    if (parent) EnableWindow(parent, FALSE);
    modal = true;
    ended = false;
    endCode = -1;
    HWND h = Create(parent);
    MSG msg;
    while (h && !ended && IsWindow(h)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            endCode = -1;
            break;
        }
        if (got == -1) break;
        if (IsDialogMessageW(h, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    modal = false;
    if (parent) {
        EnableWindow(parent, TRUE);
        SetActiveWindow(parent);
    }
    if (h && IsWindow(h)) DestroyWindow(h);
    return endCode;
}

void CDialogBase::End(INT_PTR code) {
    if (!modal) {
        EndDialog(hwnd, code);
        return;
    }
    endCode = code;
    ended = true;
    PostMessageW(hwnd, WM_NULL, 0, 0); // wakes the loop
}

HWND CDialogBase::Create(HWND parent) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent,
                              Thunk, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialogBase::Thunk(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(h, DWLP_USER, lParam);
        reinterpret_cast<CDialogBase*>(lParam)->hwnd = h;
    }
    auto* self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(h, DWLP_USER));
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        result = TRUE; // unwinding through user32 is undefined
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(h, DWLP_USER, 0);
        self->hwnd = nullptr;
    }
    return result;
}
