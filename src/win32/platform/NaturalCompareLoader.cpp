#include "win32/platform/NaturalCompareLoader.h"

#include "core/scan/NaturalCompare.h"
#include "win32/platform/WinString.h"

#include <windows.h>

namespace {

using StrCmpLogicalFn = int(WINAPI*)(const wchar_t*, const wchar_t*);

HMODULE shlwapi = nullptr;
StrCmpLogicalFn strCmpLogical = nullptr;

// The platform function wants two strings; absent ones keep the program's own rule (absent
// first) rather than reaching it.
int LogicalOrder(const char16_t* a, const char16_t* b) {
    if (!a || !b) return NaturalCompareFallback(a, b);
    return strCmpLogical(W(a), W(b));
}

} // namespace

void LoadNaturalCompare() {
    shlwapi = LoadLibraryW(L"shlwapi.dll");
    if (!shlwapi) return;
    // Through void(*)(): the one function-pointer type a cast to any other is sound from.
    const FARPROC proc = GetProcAddress(shlwapi, "StrCmpLogicalW");
    strCmpLogical = reinterpret_cast<StrCmpLogicalFn>(reinterpret_cast<void (*)()>(proc));
    SetNaturalCompareHook(strCmpLogical ? LogicalOrder : nullptr);
}

void UnloadNaturalCompare() {
    if (!shlwapi) return;
    // The hook would point into the released library; the program's own order is safe.
    SetNaturalCompareHook(nullptr);
    strCmpLogical = nullptr;
    FreeLibrary(shlwapi);
    shlwapi = nullptr;
}
