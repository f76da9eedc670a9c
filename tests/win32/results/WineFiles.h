#pragma once

#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>

// Real files for tests under Wine: Unix paths as Wine's drive Z: sees them, Unix commands
// for what Win32 cannot do here (links, mounts), and snapshots of whole trees.

inline std::wstring Widen(const std::string& s) {
    std::wstring w(s.size() * 2 + 1, L'\0');
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, w.data(), static_cast<int>(w.size()));
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

inline std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

inline std::wstring DosPath(const std::string& unixPath) {
    std::wstring path = L"Z:" + Widen(unixPath);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

// Runs `command` with /bin/sh and waits for it. Wine starts Unix programs but gives no
// handle to wait on, so the command leaves its exit code in a file that is polled for.
inline int RunUnix(const std::string& command, const std::string& scratch) {
    static int count = 0;
    const std::string marker = scratch + "/.unix-done-" + std::to_string(++count);
    // Wine splits the command line by the platform's rules: double quotes, none inside.
    std::wstring line = Widen("/bin/sh -c \"" + command + "; echo $? > " + marker + "\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // For a Unix program Wine fills `process` from a local it never set: the "handles" are
    // whatever its stack held, often live handles of this process. They are never closed.
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    const std::wstring done = DosPath(marker);
    for (int i = 0; i < 400; ++i) {
        HANDLE file = CreateFileW(done.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char text[16] = {};
            DWORD read = 0;
            ReadFile(file, text, sizeof text - 1, &read, nullptr);
            CloseHandle(file);
            if (read > 0 && text[read - 1] == '\n') {
                DeleteFileW(done.c_str());
                return std::atoi(text);
            }
        }
        Sleep(25);
    }
    return -2;
}

inline std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char block[4096];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        bytes.append(block, read);
    CloseHandle(file);
    return bytes;
}

// Every entry below `root`, by relative path: "<dir>", "<link>" or the file's bytes. Links
// are recorded, never entered.
inline void Snapshot(const std::wstring& root, const std::wstring& relative,
                     std::map<std::wstring, std::string>& tree) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((root + relative + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L".." || name.rfind(L".unix-done-", 0) == 0) continue;
        const std::wstring path = relative + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            tree[path] = "<link>";
        } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[path] = "<dir>";
            Snapshot(root, path, tree);
        } else {
            tree[path] = ReadWholeFile(root + path);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

inline std::map<std::wstring, std::string> Snapshot(const std::wstring& root) {
    std::map<std::wstring, std::string> tree;
    Snapshot(root, L"", tree);
    return tree;
}
