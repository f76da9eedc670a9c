#include "core/emptyfolders/CEmptyFolderLister.h"

#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/emptyfolders/EmptyFolderTest.h"
#include "core/results/ResultRows.h"
#include "core/scan/ScanPathPool.h"

void CEmptyFolderLister::ListEmptyFolders(FileRecord* first, FileRecord* last) {
    for (FileRecord* r = first; r != last; ++r) {
        if (host.ShouldStop()) return;
        const char16_t* path = ScanPathPool().Get(r->pathIndex);
        // A folder whose path the pool refused cannot be looked into, nor named in a row.
        if (!path || !*path) continue;
        const std::u16string folder(path);
        if (IsEmptyFolder(folder)) ListFolder(folder, r->pathIndex);
    }
}

bool CEmptyFolderLister::IsEmptyFolder(const std::u16string& path) {
    return HoldsOnlyEmptyFolders(
        host.FileSystem(), path,
        [this](const std::u16string& folder) { return listed.Contains(folder); },
        [this] { return host.ShouldStop(); });
}

void CEmptyFolderLister::ListFolder(const std::u16string& path, int32_t pathIndex) {
    const std::u16string label = path.substr(0, path.size() - 1);
    // A drive root is never offered for recycling.
    if (!label.empty() && label.back() == u':') return;
    ++host.emptyCount;
    host.SetCounter(IDC_EMPTY, host.emptyCount);
    window.SetItemText(IDC_STATUS, label);
    // Whether a folder is still empty is asked afresh when it is deleted; nothing to keep.
    host.AppendFoundRow(kEmptyFolderLabel, label, 0, 0);
    listed.Add(pathIndex);
}
