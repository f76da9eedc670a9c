#pragma once

#include <string>
#include <string_view>

// UTF-8 <-> UTF-16 for the edges that speak bytes (POSIX names, the search tool's output).
// Malformed input becomes U+FFFD rather than being cut short.
std::u16string Utf16FromUtf8(std::string_view s);
std::string Utf8FromUtf16(std::u16string_view s);
