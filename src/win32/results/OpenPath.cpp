#include "win32/results/OpenPath.h"

#include "core/results/OpenItem.h"
#include "win32/platform/WinString.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <utility>

namespace {

constexpr size_t kDirectoryBuffer = 2048;

// Releases one interface pointer when the scope ends.
template <class I> class CComRef {
public:
    CComRef() = default;
    ~CComRef() {
        if (p) p->Release();
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    I* operator->() const { return p; }
    I** Put() { return &p; }
    void** PutVoid() { return reinterpret_cast<void**>(&p); }

private:
    I* p = nullptr;
};

bool IsShortcut(const wchar_t* path) {
    SHFILEINFOW info{};
    return SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_ATTRIBUTES) != 0 &&
           (info.dwAttributes & SFGAO_LINK) != 0;
}

// The working directory stored in a shortcut; nothing when the link object cannot be made
// (the program never initialises the component library itself) or the file not be read.
std::optional<std::wstring> ShortcutWorkingDirectory(HWND owner, const wchar_t* path) {
    CComRef<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.PutVoid())))
        return {};
    CComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid()))) return {};
    if (FAILED(file->Load(path, STGM_READ))) return {};
    if (FAILED(link->Resolve(owner, SLR_ANY_MATCH))) return {};
    std::wstring directory(kDirectoryBuffer, L'\0');
    if (FAILED(link->GetWorkingDirectory(directory.data(), static_cast<int>(kDirectoryBuffer))))
        directory[0] = L'\0';
    directory.resize(wcsnlen(directory.c_str(), kDirectoryBuffer));
    return directory;
}

} // namespace

std::optional<std::wstring> OpenWorkingDirectory(HWND owner, const std::u16string& path) {
    const std::optional<std::u16string> folder = ContainingFolder(path);
    if (!folder) return {};
    if (IsShortcut(W(path))) {
        if (auto directory = ShortcutWorkingDirectory(owner, W(path))) return directory;
    }
    return std::wstring(W(*folder));
}

bool OpenPath(HWND owner, const std::u16string& path) {
    if (path.empty()) return false;
    const std::optional<std::wstring> directory = OpenWorkingDirectory(owner, path);
    if (!directory) return false;
    const HINSTANCE result =
        ShellExecuteW(owner, nullptr, W(path), nullptr,
                      directory->empty() ? nullptr : directory->c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}
