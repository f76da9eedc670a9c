#include "win32/choosers/CSingleFileSel.h"

#include "core/choosers/PathCheck.h"
#include "win32/platform/WinString.h"

#include <dlgs.h>

#include <algorithm>
#include <cwchar>

int CSingleFileSel::ntVersion5 = -1;

namespace {

int DetermineNtVersion5() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version)) return 0;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

RECT RectIn(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Centres `window` on `owner` (on the work area when there is no visible owner), kept
// inside the work area of the owner's monitor.
void CentreOn(HWND window, HWND owner) {
    const bool useOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(useOwner ? owner : window, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (useOwner) GetWindowRect(owner, &around);
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    int x = (around.left + around.right - width) / 2;
    int y = (around.top + around.bottom - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Gives the old-style dialog a file list twice its height and moves what lies below it down.
void DoubleTheFileList(HWND dialog) {
    HWND list = GetDlgItem(dialog, lst1);
    if (!list) return;
    const RECT l = RectIn(dialog, list);
    const int h = l.bottom - l.top;
    RECT outer;
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top + h,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(list, nullptr, 0, 0, l.right - l.left, h + h,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int id : {stc3, stc2, edt1, cmb1, IDOK, IDCANCEL}) {
        HWND control = GetDlgItem(dialog, id);
        if (!control) continue;
        const RECT r = RectIn(dialog, control);
        SetWindowPos(control, nullptr, r.left, r.top + h, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

CSingleFileSel::CSingleFileSel(bool openFileDialog, const wchar_t* defaultExtension,
                               const wchar_t* fileName, DWORD flags, const wchar_t* filter,
                               HWND parent, ShowMessage show)
    : openFileDialog(openFileDialog), flags(flags), parent(parent),
      defaultExtension(defaultExtension ? defaultExtension : L""), filter(filter ? filter : L""),
      show(std::move(show)) {
    if (fileName) wcsncpy(this->fileName, fileName, MAX_PATH - 1);
    std::replace(this->filter.begin(), this->filter.end(), L'|', L'\0');
    if (ntVersion5 == -1) ntVersion5 = DetermineNtVersion5();
    useFullSizeStruct = ntVersion5;
}

DWORD CSingleFileSel::StructSize() const {
    // The two forms as this build defines them: the full one, and the one without the
    // trailing reserved and extended-flags fields.
    return useFullSizeStruct == 1 ? sizeof(OPENFILENAMEW) : OPENFILENAME_SIZE_VERSION_400W;
}

INT_PTR CSingleFileSel::DoModal() {
    // Nothing of an earlier, longer name may linger behind the initial one.
    const size_t length = wcsnlen(fileName, MAX_PATH - 1);
    std::fill(fileName + length, fileName + MAX_PATH, L'\0');

    HWND focus = GetFocus();
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    const bool reenableOwner = owner && IsWindowEnabled(owner);
    if (reenableOwner) EnableWindow(owner, FALSE);

    OPENFILENAMEW description{};
    description.lStructSize = StructSize();
    description.hwndOwner = owner;
    description.hInstance = GetModuleHandleW(nullptr);
    description.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    description.nFilterIndex = 1;
    description.lpstrFile = fileName;
    description.nMaxFile = MAX_PATH;
    description.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
    description.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    description.lCustData = reinterpret_cast<LPARAM>(this);
    description.lpfnHook = HookProc;
    const BOOL chosen =
        openFileDialog ? GetOpenFileNameW(&description) : GetSaveFileNameW(&description);

    if (reenableOwner) EnableWindow(owner, TRUE);
    if (focus && IsWindow(focus)) SetFocus(focus);
    if (!chosen) return IDCANCEL;
    return IsAcceptablePath(U(fileName), show) ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CSingleFileSel::HookProc(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* description = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        SetWindowLongPtrW(hook, DWLP_USER, description->lCustData);
        return 0;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
        auto* self = reinterpret_cast<CSingleFileSel*>(GetWindowLongPtrW(hook, DWLP_USER));
        if (self) self->OnInitDone(GetParent(hook));
    }
    return 0;
}

void CSingleFileSel::OnInitDone(HWND dialog) {
    if (useFullSizeStruct != 1) DoubleTheFileList(dialog);
    CentreOn(dialog, GetWindow(dialog, GW_OWNER));
}
