#include "core/results/OpenItem.h"

std::optional<std::u16string> ContainingFolder(std::u16string_view path) {
    const size_t cut = path.rfind(u'\\');
    if (cut == std::u16string_view::npos) return {};
    return std::u16string(path.substr(0, cut));
}

void OpenItem(CCommandWindow& window, const std::u16string& label) {
    // The shell would look for a placeholder in the current folder; it is not a file.
    if (ContainingFolder(label)) window.OpenPath(label);
}
