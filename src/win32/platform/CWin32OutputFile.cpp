#include "win32/platform/CWin32OutputFile.h"

#include "win32/platform/WinString.h"

#include <algorithm>

CWin32OutputFile::~CWin32OutputFile() { Close(); }

bool CWin32OutputFile::Create(const std::u16string& path) {
    Close();
    file = CreateFileW(W(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // A device name (nul.txt, aux.log) opens the device: what is written there is not kept.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        file = INVALID_HANDLE_VALUE;
        return false;
    }
    return true;
}

bool CWin32OutputFile::Write(const void* bytes, size_t size) {
    if (file == INVALID_HANDLE_VALUE) return false;
    const char* next = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, next, chunk, &written, nullptr) || written == 0) return false;
        next += written;
        size -= written;
    }
    return true;
}

bool CWin32OutputFile::Close() {
    if (file == INVALID_HANDLE_VALUE) return false;
    const BOOL closed = CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    return closed != FALSE;
}
