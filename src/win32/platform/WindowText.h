#pragma once

#include <windows.h>

#include <string>

// The whole text of a window, however long; empty for no window.
inline std::wstring WindowText(HWND w) {
    const int length = w ? GetWindowTextLengthW(w) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(w ? GetWindowTextW(w, text.data(), length + 1) : 0));
    return text;
}

inline std::wstring WindowClassName(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}
