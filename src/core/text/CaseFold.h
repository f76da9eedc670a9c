#pragma once

// Whether two paths are equal when the case of letters is ignored (ASCII, Latin-1, Greek and
// Cyrillic letters are folded; other characters compare as they are).
bool EqualIgnoringCase(const char16_t* a, const char16_t* b);
// The one letter case that EqualIgnoringCase compares in.
char16_t FoldCase(char16_t c);
