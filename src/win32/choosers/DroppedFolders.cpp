#include "win32/choosers/DroppedFolders.h"

#include "core/choosers/HoldingFolder.h"
#include "win32/platform/CUnique.h"
#include "win32/platform/WinString.h"

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

// Asked of the file system itself, which unlike the shell's path helpers takes paths longer
// than 260 characters. An item it cannot tell about counts as a file.
bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

std::vector<std::u16string> TakeDroppedFolders(HDROP drop) {
    CDropHandle owner(drop);
    std::vector<std::u16string> folders;
    const UINT count = DragQueryFileW(drop, kItemCount, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const std::wstring path = ItemPath(drop, i);
        folders.push_back(path.empty() || IsFolder(path) ? U16(path) : HoldingFolder(U16(path)));
    }
    return folders;
}
