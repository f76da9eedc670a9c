#include "core/grid/CheckState.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The blanks the C library's wide conversions skip.
bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

size_t SkipBlanks(std::u16string_view t, size_t i) {
    while (i < t.size() && IsBlank(t[i])) ++i;
    return i;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

} // namespace

bool ReadsAsTicked(std::u16string_view text) {
    if (text.empty()) return false;
    if (text[0] == u'T' || text[0] == u't') return true;
    size_t i = SkipBlanks(text, 0);
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    // Only whether the value is 0 matters, so an overlong digit run cannot overflow anything.
    for (; i < text.size() && IsDigit(text[i]); ++i)
        if (text[i] != u'0') return true;
    return false;
}

double ParseNumber(std::u16string_view text) {
    const size_t start = SkipBlanks(text, 0);
    // Digits, sign, point and exponent are all ASCII: copy just that run for strtod, so no
    // locale-dependent wide conversion and no terminator is needed on the input.
    std::string ascii;
    for (size_t i = start; i < text.size() && ascii.size() < 64; ++i) {
        const char16_t c = text[i];
        if (c >= 0x80 || IsBlank(c)) break;
        ascii += static_cast<char>(c);
    }
    const double v = std::strtod(ascii.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

std::u16string FormatNumber(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 20) decimals = 20;
    char buffer[400]; // the largest double written out in full, with 20 decimals
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::u16string out;
    if (n > 0 && static_cast<size_t>(n) < sizeof buffer) out.assign(buffer, buffer + n);
    return out;
}
