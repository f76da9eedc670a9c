#include "core/scan/NaturalCompare.h"

#include "core/scan/CharClass.h"

#include <cstddef>
#include <string>

namespace {

NaturalCompareFn naturalCompareHook = nullptr;

int Sign(bool aFirst) { return aFirst ? -1 : 1; }

struct DigitRun {
    size_t end;         // first position after the run
    size_t zeros;       // leading U+0030 code units
    size_t significant; // digits after the leading zeros
};

DigitRun ScanRun(const char16_t* s, size_t len, size_t start) {
    DigitRun r{start, 0, 0};
    while (r.end < len && IsDigitUnit(s[r.end])) ++r.end;
    while (start + r.zeros < r.end && s[start + r.zeros] == u'0') ++r.zeros;
    r.significant = r.end - start - r.zeros;
    return r;
}

} // namespace

void SetNaturalCompareHook(NaturalCompareFn hook) { naturalCompareHook = hook; }

NaturalCompareFn NaturalCompareHook() { return naturalCompareHook; }

int NaturalCompare(const char16_t* a, const char16_t* b) {
    if (naturalCompareHook) return naturalCompareHook(a, b);
    return NaturalCompareFallback(a, b);
}

int NaturalCompareFallback(const char16_t* a, const char16_t* b) {
    if (!a || !b) return !a && !b ? 0 : Sign(!a);
    if (!*a || !*b) return !*a && !*b ? 0 : Sign(!*a);
    // At the first position a leading symbol sorts before a leading letter or digit.
    const bool aWord = IsLetterOrDigitUnit(a[0]), bWord = IsLetterOrDigitUnit(b[0]);
    if (aWord != bWord) return Sign(bWord);

    const size_t lenA = std::char_traits<char16_t>::length(a),
                 lenB = std::char_traits<char16_t>::length(b);
    size_t i = 0, j = 0;
    for (;;) {
        const char16_t x = a[i], y = b[j];
        const bool xDigit = IsDigitUnit(x), yDigit = IsDigitUnit(y);
        if (xDigit != yDigit) return Sign(xDigit);
        if (xDigit) {
            const DigitRun ra = ScanRun(a, lenA, i), rb = ScanRun(b, lenB, j);
            if (ra.significant != rb.significant) return Sign(ra.significant < rb.significant);
            for (size_t k = 0; k < ra.significant; ++k) {
                const char16_t da = a[i + ra.zeros + k], db = b[j + rb.zeros + k];
                if (da != db) return Sign(da < db);
            }
            // Same value: the run with more leading zeros sorts first.
            if (ra.end - i != rb.end - j) return Sign(ra.end - i > rb.end - j);
            i = ra.end - 1;
            j = rb.end - 1;
        } else {
            const bool xLetter = IsLetterUnit(x), yLetter = IsLetterUnit(y);
            if (xLetter != yLetter) return Sign(yLetter);
            if (x != y) return Sign(x < y);
        }
        ++i;
        ++j;
        if (i >= lenA) return j >= lenB ? 0 : -1;
        if (j >= lenB) return 1;
    }
}
