#pragma once

#include <string>

// A number in decimal digits, as "%d" writes it.
inline std::u16string DecimalText(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}
