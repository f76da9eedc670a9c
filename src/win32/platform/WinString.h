#pragma once

// The one string boundary: the core speaks UTF-16 in char16_t, Win32 in wchar_t, and both
// are the same 16-bit code units on Windows, so nothing is copied across.

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 layer is Windows-only");

inline const wchar_t* W(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
inline const wchar_t* W(const std::u16string& s) { return W(s.c_str()); }
inline wchar_t* W(char16_t* s) { return reinterpret_cast<wchar_t*>(s); }
inline const char16_t* U(const wchar_t* s) { return reinterpret_cast<const char16_t*>(s); }
inline char16_t* U(wchar_t* s) { return reinterpret_cast<char16_t*>(s); }
inline std::u16string U16(std::wstring_view s) { return std::u16string(U(s.data()), s.size()); }
