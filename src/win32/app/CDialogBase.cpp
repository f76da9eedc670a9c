#include "win32/app/CDialogBase.h"

INT_PTR CDialogBase::DoModal(HWND parent) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent, Thunk,
                           reinterpret_cast<LPARAM>(this));
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
