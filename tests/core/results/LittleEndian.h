#pragma once

#include <string>
#include <string_view>

// UTF-16 text as the bytes of a little-endian file, written out independently of the
// program's encoder: low byte, then high byte.
inline std::string Le(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out += static_cast<char>(c % 256);
        out += static_cast<char>(c / 256);
    }
    return out;
}
