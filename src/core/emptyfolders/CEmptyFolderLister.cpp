#include "core/emptyfolders/CEmptyFolderLister.h"

#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/platform/PathNames.h"
#include "core/results/ResultRows.h"
#include "core/scan/CSrchDir.h"
#include "core/scan/ScanPathPool.h"

namespace {

// Paths are built in buffers of this size, terminator included; what would not fit is never
// cut to fit.
constexpr size_t kPathBuffer = CSrchDir::kPathBuffer;

} // namespace

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
    if (path.back() != u'\\' || path.size() + 3 >= kPathBuffer) return false;
    auto listing = host.FileSystem().List(path);
    // Nobody saw inside a folder that cannot be listed: it may hold anything.
    if (!listing) return false;
    DirEntry entry;
    while (listing->Next(entry)) {
        if (host.ShouldStop()) return false;
        if (entry.name == u"." || entry.name == u"..") continue;
        // What no path can reach is still there, and was never shown to the user.
        if (IsUnaddressableName(entry.name)) return false;
        if (!entry.IsFolder()) return false;
        if (path.size() + entry.name.size() >= kPathBuffer) return false;
        if (!listed.Contains(path + entry.name)) return false;
    }
    return !listing->Failed();
}

void CEmptyFolderLister::ListFolder(const std::u16string& path, int32_t pathIndex) {
    const std::u16string label = path.substr(0, path.size() - 1);
    // A drive root is never offered for recycling.
    if (!label.empty() && label.back() == u':') return;
    ++host.emptyCount;
    host.SetCounter(IDC_EMPTY, host.emptyCount);
    window.SetItemText(IDC_STATUS, label);
    AppendResultRow(host.resultGrid, kEmptyFolderLabel, label);
    listed.Add(pathIndex);
}
