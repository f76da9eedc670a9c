#include "core/text/CaseFold.h"

char16_t FoldCase(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 32);
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 32); // Greek
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);               // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
    return c;
}

bool EqualIgnoringCase(const char16_t* a, const char16_t* b) {
    if (!a || !b) return a == b;
    for (; *a && *b; ++a, ++b)
        if (FoldCase(*a) != FoldCase(*b)) return false;
    return *a == *b;
}
