#pragma once

// Natural order of names: runs of digits compare as numbers (file2 before file10).
// Strings are NUL-terminated UTF-16; callers use only the sign of a result and whether it is 0.

using NaturalCompareFn = int (*)(const char16_t* a, const char16_t* b);

// The process-wide comparison that NaturalCompare delegates to when set: the Win32 start-up
// points it at the platform's logical string order. Set once, before any window exists.
void SetNaturalCompareHook(NaturalCompareFn hook);
NaturalCompareFn NaturalCompareHook();

// The hook's answer when there is one, else NaturalCompareFallback's.
int NaturalCompare(const char16_t* a, const char16_t* b);

// The program's own order; either string may be absent (nullptr). Returns -1, 0 or 1, and 0
// only for identical strings.
int NaturalCompareFallback(const char16_t* a, const char16_t* b);
