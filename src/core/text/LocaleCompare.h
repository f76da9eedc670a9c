#pragma once

// The platform's locale-aware string order (the one lstrcmpW gives), which the empty-folder
// search uses to order folders of equal depth. Strings are NUL-terminated UTF-16; callers use
// only the sign of a result.

using LocaleCompareFn = int (*)(const char16_t* a, const char16_t* b);

// The process-wide comparison that LocaleCompare delegates to when set: the Win32 start-up
// points it at the platform's. Set once, before any window exists.
void SetLocaleCompareHook(LocaleCompareFn hook);

// The hook's answer when there is one, else LocaleCompareFallback's.
int LocaleCompare(const char16_t* a, const char16_t* b);

// Where there is no platform order: UTF-16 code units, an absent string (nullptr) first.
// Returns -1, 0 or 1, and 0 only for identical strings.
int LocaleCompareFallback(const char16_t* a, const char16_t* b);
