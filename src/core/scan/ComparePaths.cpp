#include "core/scan/ComparePaths.h"

#include "core/scan/NaturalCompare.h"

#include <string>
#include <string_view>

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

char16_t FoldAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

// Steps through the components of one path without copying it.
class CComponentCursor {
public:
    explicit CComponentCursor(const char16_t* path) : rest(path ? path : u"") {}

    // The next component, or an empty view after the last one.
    std::u16string_view Next() {
        while (IsSeparator(*rest)) ++rest;
        const char16_t* start = rest;
        while (*rest && !IsSeparator(*rest)) ++rest;
        return {start, static_cast<size_t>(rest - start)};
    }

private:
    const char16_t* rest;
};

bool SameFolded(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k] && FoldAscii(a[k]) != FoldAscii(b[k])) return false;
    return true;
}

// An upper-cased, NUL-terminated copy of one component for the natural comparison. Short
// components stay in the object; only very long ones reach the heap.
class CFoldedCopy {
public:
    explicit CFoldedCopy(std::u16string_view s) {
        char16_t* out = local;
        if (s.size() >= kLocal) {
            heap.resize(s.size()); // leaves room for the terminator at [size]
            out = heap.data();
        }
        for (size_t k = 0; k < s.size(); ++k) out[k] = FoldAscii(s[k]);
        out[s.size()] = 0;
        text = out;
    }
    CFoldedCopy(const CFoldedCopy&) = delete;
    CFoldedCopy& operator=(const CFoldedCopy&) = delete;

    const char16_t* text;

private:
    static constexpr size_t kLocal = 264;
    char16_t local[kLocal];
    std::u16string heap;
};

// One component against another as path order sees them.
int CompareComponents(std::u16string_view x, std::u16string_view y) {
    if (SameFolded(x, y)) return 0;
    const CFoldedCopy fx(x), fy(y);
    return NaturalCompare(fx.text, fy.text);
}

} // namespace

// This runs inside the sort of a whole drive's table, where two paths usually share most of
// their components. Components that are identical after folding compare equal in any order
// the hook may give, so only the first pair that differs is copied and compared.
int ComparePaths(const char16_t* a, const char16_t* b) {
    if (a && b) {
        // Whole components that are the same units need not even be folded: the comparison
        // starts after the last separator of the longest common prefix.
        size_t same = 0;
        while (a[same] && a[same] == b[same]) ++same;
        while (same > 0 && !IsSeparator(a[same - 1])) --same;
        a += same;
        b += same;
    }
    CComponentCursor ca(a), cb(b);
    for (;;) {
        const std::u16string_view x = ca.Next(), y = cb.Next();
        if (x.empty() || y.empty()) return x.empty() && y.empty() ? 0 : (x.empty() ? -1 : 1);
        if (const int r = CompareComponents(x, y)) return r;
    }
}

bool PathIsWithin(const char16_t* folder, const char16_t* path) {
    CComponentCursor cf(folder), cp(path);
    for (;;) {
        const std::u16string_view x = cf.Next();
        if (x.empty()) return true;
        const std::u16string_view y = cp.Next();
        if (y.empty() || CompareComponents(x, y) != 0) return false;
    }
}
