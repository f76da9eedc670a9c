#include "core/choosers/PathCheck.h"

bool IsAcceptablePath(std::u16string_view path,
                      const std::function<void(const std::u16string&)>& show) {
    if (path.find(u'?') == std::u16string_view::npos) return true;
    if (show) show(std::u16string(kInvalidPathPrefix) + std::u16string(path));
    return false;
}
