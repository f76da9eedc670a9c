#include "core/platform/PathNames.h"

namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view upper) {
    if (a.size() != upper.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != upper[i]) return false;
    return true;
}

// Every name of a walk passes here, so a switch rather than a search of the list.
bool IsForbidden(char16_t c) {
    switch (c) {
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|': return true;
    default: return c < 0x20;
    }
}

// CON, PRN, AUX, NUL; COM and LPT with a digit or a superscript one, two or three.
bool IsDeviceName(std::u16string_view stem) {
    for (std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL"})
        if (SameIgnoringCase(stem, device)) return true;
    if (stem.size() != 4) return false;
    const char16_t last = stem[3];
    const bool numbered = (last >= u'0' && last <= u'9') || last == u'\u00B9' ||
                          last == u'\u00B2' || last == u'\u00B3';
    const std::u16string_view prefix = stem.substr(0, 3);
    return numbered && (SameIgnoringCase(prefix, u"COM") || SameIgnoringCase(prefix, u"LPT"));
}

} // namespace

bool IsUnaddressableName(std::u16string_view name) {
    if (name.empty()) return true;
    if (name == u"." || name == u"..") return false;
    if (name.back() == u'.' || name.back() == u' ') return true;
    for (char16_t c : name)
        if (IsForbidden(c)) return true;
    // The platform reads a device in the name up to its first dot, spaces before it dropped.
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ') stem.remove_suffix(1);
    return IsDeviceName(stem);
}
