#include "win32/about/OpenUrl.h"

#include "core/about/HtmCommand.h"
#include "win32/platform/CUnique.h"
#include "win32/platform/WinString.h"

#include <shellapi.h>

namespace {

inline void CloseKey(HKEY key) { RegCloseKey(key); }
using CKeyHandle = CUnique<HKEY, CloseKey>;

// The default value of a key under HKEY_CLASSES_ROOT, at most 2048 bytes of it. False when
// the key or its value cannot be read as a string.
bool ReadDefaultValue(const std::u16string& subkey, std::u16string& value) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, W(subkey), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    const CKeyHandle key(opened);
    char16_t buffer[1024];
    DWORD bytes = sizeof(buffer);
    DWORD type = 0;
    if (RegQueryValueExW(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                         &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    value = RegistryText(buffer, bytes);
    return true;
}

INT_PTR Execute(HWND owner, const std::u16string& file, int show) {
    return reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", W(file), nullptr, nullptr, show));
}

} // namespace

INT_PTR OpenUrl(const std::u16string& url, int show, HWND owner) {
    const INT_PTR first = Execute(nullptr, url, show);
    if (first > 32) return first;
    std::u16string className, commandLine;
    if (!ReadDefaultValue(u".htm", className) ||
        !ReadDefaultValue(className + u"\\shell\\open\\command", commandLine))
        return first;
    return Execute(owner, HtmCommandLine(commandLine, url), show);
}
