#include "core/emptyfolders/FolderOrder.h"

#include "core/scan/ScanPathPool.h"
#include "core/text/LocaleCompare.h"

#include <algorithm>
#include <string_view>

namespace {

long Backslashes(const char16_t* path) {
    if (!path) return 0;
    const std::u16string_view text(path);
    return static_cast<long>(std::count(text.begin(), text.end(), u'\\'));
}

} // namespace

int CompareByDepth(const FileRecord& a, const FileRecord& b) {
    const CPathPool& pool = ScanPathPool();
    const char16_t* pathA = pool.Get(a.pathIndex);
    const char16_t* pathB = pool.Get(b.pathIndex);
    const long depthA = Backslashes(pathA), depthB = Backslashes(pathB);
    if (depthA != depthB) return depthA > depthB ? -1 : 1;
    const int order = LocaleCompare(pathA, pathB);
    if (order != 0) return order > 0 ? -1 : 1;
    // The platform's order may call two different spellings equal; their rows still come in
    // one order, whatever the sort.
    const int units = LocaleCompareFallback(pathA, pathB);
    return -units;
}
