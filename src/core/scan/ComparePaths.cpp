#include "core/scan/ComparePaths.h"

#include "core/scan/NaturalCompare.h"

#include <string>

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// Yields the components of one path as upper-cased, NUL-terminated copies, one at a time:
// this runs inside the sort of a whole drive's table, and two paths usually part within a
// few components, so nothing is split or copied beyond the first difference. Short
// components live in a local buffer; only very long ones reach the heap.
class CComponentCursor {
public:
    explicit CComponentCursor(const char16_t* path) : rest(path ? path : u"") {}

    // The next component, or nullptr after the last one.
    const char16_t* Next() {
        while (IsSeparator(*rest)) ++rest;
        if (!*rest) return nullptr;
        const char16_t* end = rest;
        while (*end && !IsSeparator(*end)) ++end;
        const size_t n = static_cast<size_t>(end - rest);
        char16_t* out = local;
        if (n >= kLocal) {
            heap.resize(n);
            out = heap.data();
        }
        for (size_t k = 0; k < n; ++k) {
            const char16_t c = rest[k];
            out[k] = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
        }
        out[n] = 0;
        rest = end;
        return out;
    }

private:
    static constexpr size_t kLocal = 264;
    const char16_t* rest;
    char16_t local[kLocal];
    std::u16string heap; // resize(n) leaves room for the terminator at [n]
};

} // namespace

int ComparePaths(const char16_t* a, const char16_t* b) {
    CComponentCursor ca(a), cb(b);
    for (;;) {
        const char16_t* x = ca.Next();
        const char16_t* y = cb.Next();
        if (!x || !y) return !x && !y ? 0 : (!x ? -1 : 1);
        if (const int r = NaturalCompare(x, y)) return r;
    }
}
