#include "core/emptyfolders/CListedFolders.h"

#include "core/scan/ScanPathPool.h"

std::u16string_view CListedFolders::Label(int32_t pathIndex) {
    const char16_t* path = ScanPathPool().Get(pathIndex);
    if (!path) return {};
    std::u16string_view label(path);
    if (!label.empty() && label.back() == u'\\') label.remove_suffix(1);
    return label;
}
