#include "win32/platform/LocaleCompareLoader.h"

#include "core/text/LocaleCompare.h"
#include "win32/platform/WinString.h"

#include <windows.h>

namespace {

// Absent strings keep the program's own rule (absent first) rather than reaching the platform.
int PlatformOrder(const char16_t* a, const char16_t* b) {
    if (!a || !b) return LocaleCompareFallback(a, b);
    return lstrcmpW(W(a), W(b));
}

} // namespace

void UsePlatformLocaleCompare() { SetLocaleCompareHook(PlatformOrder); }
