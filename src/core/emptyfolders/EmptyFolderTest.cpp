#include "core/emptyfolders/EmptyFolderTest.h"

#include "core/platform/PathNames.h"
#include "core/scan/CSrchDir.h"

bool HoldsOnlyEmptyFolders(IFileSystem& fileSystem, const std::u16string& folder,
                           const std::function<bool(const std::u16string&)>& isEmpty,
                           const std::function<bool()>& stop) {
    // Paths are built in buffers of this size; what would not fit is never cut to fit.
    constexpr size_t kPathBuffer = CSrchDir::kPathBuffer;
    if (folder.empty() || folder.back() != u'\\' || folder.size() + 3 >= kPathBuffer) return false;
    auto listing = fileSystem.List(folder);
    // Nobody saw inside a folder that cannot be listed: it may hold anything.
    if (!listing) return false;
    DirEntry entry;
    while (listing->Next(entry)) {
        if (stop()) return false;
        if (entry.name == u"." || entry.name == u"..") continue;
        if (IsUnaddressableName(entry.name) || !entry.IsFolder()) return false;
        if (folder.size() + entry.name.size() >= kPathBuffer) return false;
        if (!isEmpty(folder + entry.name)) return false;
    }
    return !listing->Failed();
}
