#include "core/choosers/FolderPathRules.h"

namespace {

bool IsAsciiLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool IsForbiddenInName(char16_t c) {
    // The platform allows no control character in a name, and a NUL would cut the path short
    // at the next platform call, after this test had passed the whole of it.
    if (c < 0x20) return true;
    return std::u16string_view(u"\"*/:<>?\\|").find(c) != std::u16string_view::npos;
}

bool IsBadAtAnEnd(char16_t c) { return c == u'\t' || c == u' ' || c == u'.'; }

bool IsValidComponent(std::u16string_view name) {
    if (name.empty() || IsBadAtAnEnd(name.front()) || IsBadAtAnEnd(name.back())) return false;
    for (char16_t c : name)
        if (IsForbiddenInName(c)) return false;
    return true;
}

} // namespace

bool IsValidFolderPath(std::u16string_view path) {
    if (path.size() < 3 || !IsAsciiLetter(path[0]) || path[1] != u':' || path[2] != u'\\')
        return false;
    if (path.size() == 3) return true;
    // Every piece between two backslashes, and the last one, is a name; so "D:\a\" ends with
    // an empty name and fails like "D:\a\\b".
    std::u16string_view rest = path.substr(3);
    for (;;) {
        const size_t cut = rest.find(u'\\');
        if (!IsValidComponent(rest.substr(0, cut))) return false;
        if (cut == std::u16string_view::npos) return true;
        rest.remove_prefix(cut + 1);
    }
}

bool IsAcceptableFolder(std::u16string_view path,
                        const std::function<bool(std::u16string_view)>& exists) {
    // A path that does not fit the program's path buffers would be cut short by every later
    // step; it is refused whole instead.
    if (path.size() >= kPathBufferUnits) return false;
    return IsValidFolderPath(path) && exists && exists(path);
}

std::u16string InvalidFolderMessage(std::u16string_view path) {
    std::u16string text = u"您所指定的目录\n\n";
    text += path;
    text += u"\n\n无效。请重新指定。";
    return text;
}
