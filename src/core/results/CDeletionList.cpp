#include "core/results/CDeletionList.h"

#include <algorithm>

bool CDeletionList::Append(std::u16string_view path) {
    // One unit is kept back for the closing NUL.
    const size_t room = block.size() - 1 - used;
    // An empty path would end the list early, hiding every path after it.
    if (path.empty() || path.size() + 1 > room) return false;
    std::copy(path.begin(), path.end(), block.begin() + static_cast<std::ptrdiff_t>(used));
    used += path.size() + 1;
    return true;
}
