#include "win32/platform/CWin32RecycleShell.h"

#include "win32/platform/WinString.h"

#include <shlwapi.h>

IRecycleShell::Probe CWin32RecycleShell::Examine(const std::u16string& path) {
    // A NUL inside would make the platform look at a shorter path than the one asked about.
    if (path.empty() || path.find(u'\0') != std::u16string::npos) return {};
    if (!PathFileExistsW(W(path))) return {};
    Probe probe;
    probe.kind = PathIsDirectoryW(W(path)) ? Kind::kFolder : Kind::kFile;
    const DWORD attributes = GetFileAttributesW(W(path));
    probe.link =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    return probe;
}

IRecycleShell::Outcome CWin32RecycleShell::Recycle(std::u16string_view list) {
    // The shell reads up to two NULs in a row; without them it would read past the block.
    const size_t n = list.size();
    if (n < 3 || list[n - 1] != u'\0' || list[n - 2] != u'\0' || list[0] == u'\0')
        return {ERROR_INVALID_PARAMETER, false};
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = W(list.data());
    operation.fFlags = kFlags;
    const int result = SHFileOperationW(&operation);
    return {result, operation.fAnyOperationsAborted != FALSE};
}
