#pragma once

#include <windows.h>

// The object behind a window of one of our own classes: CreateWindowEx passes it as the
// creation parameter, and the window keeps it in its user data from WM_NCCREATE on.
template <class T> T* WindowObject(HWND h, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(h, GWLP_USERDATA));
}
