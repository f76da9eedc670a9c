// UTF-8 <-> UTF-16: well-formed text survives both ways unchanged; malformed text of either kind
// becomes U+FFFD where it breaks, never cut short, and what comes out is always well formed.
#include "core/text/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A plain reading of UTF-16: false at a lone surrogate.
bool WellFormed16(std::u16string_view s) {
    for (size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 == s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF) return false;
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes as UTF-8.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string wide = Utf16FromUtf8(bytes);
    Check(WellFormed16(wide));
    // Whatever came out converts back and forth without change from then on.
    const std::string narrow = Utf8FromUtf16(wide);
    Check(Utf16FromUtf8(narrow) == wide);
    Check(Utf8FromUtf16(Utf16FromUtf8(narrow)) == narrow);
    // Malformed UTF-8 never loses what follows the fault: at most one U+FFFD per byte read.
    Check(wide.size() <= bytes.size());

    // The bytes as UTF-16 units.
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const std::string back = Utf8FromUtf16(units);
    const std::u16string again = Utf16FromUtf8(back);
    if (WellFormed16(units))
        Check(again == units);
    else
        Check(WellFormed16(again) && again.size() <= units.size());
    return 0;
}
