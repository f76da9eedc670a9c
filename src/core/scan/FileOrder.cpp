#include "core/scan/FileOrder.h"

#include "core/scan/ComparePaths.h"
#include "core/scan/NaturalCompare.h"
#include "core/scan/ScanPathPool.h"

#include <algorithm>

namespace {

int ByFolderThenPath(const FileRecord& a, const FileRecord& b) {
    if (a.folderIndex != b.folderIndex) return a.folderIndex < b.folderIndex ? -1 : 1;
    const CPathPool& pool = ScanPathPool();
    return ComparePaths(pool.Get(a.pathIndex), pool.Get(b.pathIndex));
}

} // namespace

int CompareBySize(const FileRecord& a, const FileRecord& b) {
    if (a.sizeHigh != b.sizeHigh) return a.sizeHigh > b.sizeHigh ? -1 : 1;
    if (a.sizeLow != b.sizeLow) return a.sizeLow > b.sizeLow ? -1 : 1;
    return ByFolderThenPath(a, b);
}

int CompareByName(const FileRecord& a, const FileRecord& b) {
    const CPathPool& pool = ScanPathPool();
    const char16_t* keyA = pool.Get(a.nameIndex);
    const char16_t* keyB = pool.Get(b.nameIndex);
    // A key the pool refused sorts first, as an absent string does in the program's own order;
    // the platform's comparison is never handed a missing string.
    if (!keyA || !keyB) {
        if (keyA != keyB) return keyA ? 1 : -1;
    } else if (const int byKey = NaturalCompare(keyA, keyB); byKey != 0) {
        return byKey;
    }
    return ByFolderThenPath(a, b);
}

void SortFileTable(FileRecord* first, FileRecord* last,
                   int (*compare)(const FileRecord&, const FileRecord&),
                   const std::function<void()>& poll) {
    // A merge sort: whatever the platform's string order answers, it cannot step outside the
    // table, and records the order cannot tell apart keep their walk order.
    constexpr uint32_t kComparesPerPoll = 4096;
    uint32_t compares = 0;
    std::stable_sort(first, last, [&](const FileRecord& a, const FileRecord& b) {
        if (poll && ++compares % kComparesPerPoll == 0) poll();
        return compare(a, b) < 0;
    });
}
