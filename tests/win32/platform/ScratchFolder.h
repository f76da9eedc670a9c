#pragma once

#include <windows.h>

#include <string>

// A folder of its own for one test, below the scratch folder the test run names in
// CORVANE_TEST_TMP (a Unix path, reached through Wine's Z: drive). Empty when the variable
// is missing, so that a test never writes anywhere else.
inline std::wstring ScratchFolder(const std::wstring& name) {
    wchar_t unixPath[2048];
    const DWORD n = GetEnvironmentVariableW(L"CORVANE_TEST_TMP", unixPath, 2048);
    if (n == 0 || n >= 2048) return {};
    std::wstring path = L"Z:" + std::wstring(unixPath, n);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    for (size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
    path += L"\\" + name;
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

inline std::string FileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char block[4096];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        bytes.append(block, read);
    CloseHandle(file);
    return bytes;
}

inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}
