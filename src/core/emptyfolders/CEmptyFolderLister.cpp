#include "core/emptyfolders/CEmptyFolderLister.h"

#include "core/emptyfolders/EmptyFolderSearch.h"
#include "core/emptyfolders/EmptyFolderTest.h"
#include "core/scan/ScanPathPool.h"

void CEmptyFolderLister::ListEmptyFolders(FileRecord* first, FileRecord* last) {
    for (FileRecord* r = first; r != last; ++r) {
        if (progress.ShouldStop()) return;
        const char16_t* path = ScanPathPool().Get(r->pathIndex);
        // A folder whose path the pool refused cannot be looked into, nor named in a row.
        if (!path || !*path) continue;
        const std::u16string folder(path);
        if (IsEmptyFolder(folder)) ListFolder(folder, r->pathIndex);
    }
}

bool CEmptyFolderLister::IsEmptyFolder(const std::u16string& path) {
    return HoldsOnlyEmptyFolders(
        fileSystem, path, [this](const std::u16string& folder) { return listed.Contains(folder); },
        [this] { return progress.ShouldStop(); });
}

void CEmptyFolderLister::ListFolder(const std::u16string& path, int32_t pathIndex) {
    const std::u16string label = path.substr(0, path.size() - 1);
    // A drive root is never offered for recycling.
    if (!label.empty() && label.back() == u':') return;
    sink.EmptyFolder(label);
    listed.Add(pathIndex);
}
