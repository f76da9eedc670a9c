#include "core/emptyfolders/CEmptyFolderLister.h"

#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/results/ResultRows.h"
#include "core/scan/CSrchDir.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/LocaleCompare.h"

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
        if (IsEmptyFolder(folder)) ListFolder(folder);
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
        if (!entry.IsFolder()) return false;
        if (path.size() + entry.name.size() >= kPathBuffer) return false;
        bool stopped = false;
        if (!IsListed(path + entry.name, stopped)) return false;
    }
    return true;
}

bool CEmptyFolderLister::IsListed(std::u16string_view path, bool& stopped) {
    const std::u16string wanted(path);
    CListGrid& grid = host.resultGrid;
    for (int row = grid.RowCount() - 1; row >= 0; --row) {
        const std::optional<std::u16string> label = grid.CellPath(1, row);
        if (label && LocaleCompare(label->c_str(), wanted.c_str()) == 0) return true;
        if (host.ShouldStop()) {
            stopped = true;
            return false;
        }
    }
    return false;
}

void CEmptyFolderLister::ListFolder(const std::u16string& path) {
    const std::u16string label = path.substr(0, path.size() - 1);
    // A drive root is never offered for recycling.
    if (!label.empty() && label.back() == u':') return;
    ++host.emptyCount;
    host.SetCounter(IDC_EMPTY, host.emptyCount);
    window.SetItemText(IDC_STATUS, label);
    AppendResultRow(host.resultGrid, kEmptyFolderLabel, label);
}
