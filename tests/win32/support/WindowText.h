#pragma once

#include <windows.h>

#include <string>

inline std::wstring TextOf(HWND w) {
    const int length = GetWindowTextLengthW(w);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(w, text.data(), length + 1)));
    return text;
}

inline std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}
