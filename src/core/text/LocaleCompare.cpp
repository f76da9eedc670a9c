#include "core/text/LocaleCompare.h"

#include <string_view>

namespace {

LocaleCompareFn localeCompareHook = nullptr;

} // namespace

void SetLocaleCompareHook(LocaleCompareFn hook) { localeCompareHook = hook; }

int LocaleCompare(const char16_t* a, const char16_t* b) {
    if (localeCompareHook) return localeCompareHook(a, b);
    return LocaleCompareFallback(a, b);
}

int LocaleCompareFallback(const char16_t* a, const char16_t* b) {
    if (!a || !b) return !a && !b ? 0 : (!a ? -1 : 1);
    const int order = std::u16string_view(a).compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}
