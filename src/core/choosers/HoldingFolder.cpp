#include "core/choosers/HoldingFolder.h"

std::u16string HoldingFolder(std::u16string_view path) {
    const size_t cut = path.rfind(u'\\');
    if (cut == std::u16string_view::npos) return {};
    if (path.starts_with(u"\\\\") && cut < 2) return {};
    // Without its backslash a root would mean the drive's current folder.
    const bool root = cut == 0 || (cut == 2 && path[1] == u':');
    return std::u16string(path.substr(0, root ? cut + 1 : cut));
}
