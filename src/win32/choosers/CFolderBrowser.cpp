#include "win32/choosers/CFolderBrowser.h"

#include "core/choosers/FolderPathRules.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowText.h"

#include <commctrl.h>
#include <shlwapi.h>

namespace {

// The browser's own messages and notifications, as the shell defines them.
constexpr UINT kReturnOnlyFileSystemFolders = 0x1;
constexpr UINT kStatusText = 0x4;

// COM for this thread while the browser runs; left alone if the thread has it in another mode.
class CComScope {
public:
    CComScope() : initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~CComScope() {
        if (initialised) CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    bool initialised;
};

RECT ScreenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// Moves a control to a rectangle given in screen coordinates.
void PlaceControl(HWND dialog, HWND control, RECT r) {
    if (!control) return;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

} // namespace

LRESULT CFolderBrowserHook::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        if (LOWORD(wParam) == IDOK) {
            browser.OnOk();
            return 0; // the shell's own OK processing never runs
        }
        if (LOWORD(wParam) == CFolderBrowser::kEditId && HIWORD(wParam) == EN_CHANGE) {
            browser.OnEditChange();
            return 0;
        }
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->idFrom == CFolderBrowser::kTreeId &&
            (header->code == TVN_SELCHANGEDW || header->code == TVN_SELCHANGEDA)) {
            // Wine's browser decides OK for itself after the selection-changed notification
            // and enables it for the desktop, whose path the box cannot show: the box decides.
            const LRESULT result = DefProc(message, wParam, lParam);
            browser.EnableOkForBox();
            return result;
        }
    }
    return DefProc(message, wParam, lParam);
}

CFolderBrowser::CFolderBrowser(std::u16string caption, std::u16string prompt,
                               std::u16string initialPath, HWND owner)
    : caption(std::move(caption)), prompt(std::move(prompt)), initialPath(std::move(initialPath)),
      owner(owner) {}

INT_PTR CFolderBrowser::DoModal() {
    CComScope com;
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator) return -1;
    accepted = 0;
    // The shell writes the chosen item's display name here; the program does not use it.
    std::wstring displayName(kPathBufferUnits, L'\0');
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName.data();
    info.lpszTitle = W(prompt);
    info.ulFlags = kReturnOnlyFileSystemFolders | kStatusText;
    info.lpfn = Callback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    if (PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info)) allocator->Free(item);
    allocator->Release();
    dialog = edit = nullptr;
    return accepted == 1 ? IDOK : -1;
}

int CALLBACK CFolderBrowser::Callback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) {
    auto* self = reinterpret_cast<CFolderBrowser*>(data);
    try {
        if (message == BFFM_INITIALIZED)
            self->OnInitialized(dialog);
        else if (message == BFFM_SELCHANGED)
            self->OnSelectionChanged(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
    } catch (...) {
        // never unwind into the shell
    }
    return 0;
}

void CFolderBrowser::OnInitialized(HWND h) {
    dialog = h;
    SetWindowTextW(dialog, W(caption));
    hook.Subclass(dialog);
    ShowWindow(Item(kStatusId), SW_HIDE);
    CreateEditBox();
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(W(initialPath)));
    Layout();
}

void CFolderBrowser::CreateEditBox() {
    // 23 pixels high, ending 4 pixels above the tree, as wide as the tree.
    const RECT tree = ScreenRect(Item(kTreeId));
    RECT r{tree.left, tree.top - 27, tree.right, tree.top - 4};
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    edit = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r.left,
        r.top, r.right - r.left, r.bottom - r.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleW(nullptr), nullptr);
    if (!edit) return;
    // A new child comes last in the Tab order, after Cancel; the box belongs right before the
    // tree whose selection it shows.
    HWND beforeTree = GetWindow(Item(kTreeId), GW_HWNDPREV);
    SetWindowPos(edit, beforeTree ? beforeTree : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(edit, SW_SHOW);
    SendMessageW(edit, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), TRUE);
}

void CFolderBrowser::OnSelectionChanged(PCIDLIST_ABSOLUTE item) {
    if (!edit) return;
    std::wstring path(kPathBufferUnits, L'\0');
    bool usable =
        item && SHGetPathFromIDListEx(item, path.data(), kPathBufferUnits, GPFIDL_DEFAULT);
    path.resize(usable ? wcslen(path.c_str()) : 0);
    // Wine names some shell folders with a trailing backslash (C:\users\me\Documents\), a
    // form the OK check refuses; only a drive root keeps its backslash.
    if (path.size() > 3 && path.back() == L'\\') path.pop_back();
    // Only a path on a drive can be listed: virtual folders and network places give none.
    if (path.size() < 2 || path[1] != L':') {
        path.clear();
        usable = false;
    }
    SendMessageW(dialog, BFFM_ENABLEOK, 0, usable ? 1 : 0);
    SetWindowTextW(edit, path.c_str());
}

void CFolderBrowser::OnEditChange() {
    chosenPath = U16(WindowText(edit));
    EnableOkForBox();
}

void CFolderBrowser::EnableOkForBox() {
    if (edit) SendMessageW(dialog, BFFM_ENABLEOK, 0, GetWindowTextLengthW(edit) > 0 ? 1 : 0);
}

void CFolderBrowser::OnOk() {
    // Enter reaches here as OK even while the button is disabled; a disabled button was not
    // pressed.
    if (!edit || !IsWindowEnabled(Item(IDOK))) return;
    chosenPath = U16(WindowText(edit));
    const bool acceptable = IsAcceptableFolder(chosenPath, [](std::u16string_view path) {
        const std::u16string terminated(path);
        return PathFileExistsW(W(terminated)) != FALSE;
    });
    if (!acceptable) {
        const std::u16string text = InvalidFolderMessage(chosenPath);
        MessageBoxW(dialog, W(text), L"Corvane", MB_OK | MB_ICONEXCLAMATION);
        SetFocus(edit);
        return;
    }
    accepted = 1;
    EndDialog(dialog, IDOK);
}

void CFolderBrowser::Layout() {
    RECT frame = ScreenRect(dialog);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(dialog, nullptr, 0, 0, width * 3 / 2, height * 3 / 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    frame = ScreenRect(dialog);
    const RECT prompt = ScreenRect(Item(kPromptId));
    const int margin = prompt.left - frame.left;
    const int right = frame.right - margin;

    RECT cancel = ScreenRect(Item(IDCANCEL));
    const int buttonWidth = cancel.right - cancel.left, buttonHeight = cancel.bottom - cancel.top;
    cancel = {right - buttonWidth, prompt.top, right, prompt.top + buttonHeight};
    PlaceControl(dialog, Item(IDCANCEL), cancel);

    RECT ok = ScreenRect(Item(IDOK));
    const int okWidth = ok.right - ok.left, okHeight = ok.bottom - ok.top;
    const int okLeft = cancel.left - 8 - buttonWidth;
    PlaceControl(dialog, Item(IDOK), {okLeft, prompt.top, okLeft + okWidth, prompt.top + okHeight});

    if (edit) {
        RECT box = ScreenRect(edit);
        box.right = right;
        PlaceControl(dialog, edit, box);
    }
    RECT tree = ScreenRect(Item(kTreeId));
    tree.right = right;
    tree.bottom = frame.bottom - margin;
    PlaceControl(dialog, Item(kTreeId), tree);
}
