#include "win32/choosers/DroppedFolders.h"

#include "win32/platform/CUnique.h"
#include "win32/platform/WinString.h"

#include <shlwapi.h>

namespace {

void ReleaseDrop(HDROP drop) { DragFinish(drop); }
using CDropHandle = CUnique<HDROP, ReleaseDrop>;

constexpr UINT kItemCount = 0xFFFFFFFF;

// The item's whole path: its length is asked first, so a long path is never cut short.
std::wstring ItemPath(HDROP drop, UINT index) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    if (length == 0) return {};
    std::wstring path(static_cast<size_t>(length) + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, index, path.data(), length + 1);
    if (copied != length) return {};
    path.resize(copied);
    return path;
}

} // namespace

std::vector<std::u16string> TakeDroppedFolders(HDROP drop) {
    CDropHandle owner(drop);
    std::vector<std::u16string> folders;
    const UINT count = DragQueryFileW(drop, kItemCount, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path = ItemPath(drop, i);
        if (!path.empty() && !PathIsDirectoryW(path.c_str())) {
            PathRemoveFileSpecW(path.data()); // the drive root keeps its backslash
            path.resize(wcslen(path.c_str()));
        }
        folders.push_back(U16(path));
    }
    return folders;
}
