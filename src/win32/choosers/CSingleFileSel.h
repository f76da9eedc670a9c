#pragma once

#include <windows.h>

#include <commdlg.h>

#include <cstdint>
#include <functional>
#include <string>

// The program's file dialog: the common open or save dialog, handed the description
// structure in the size the system takes, centred on its owner (on old systems with a file
// list twice the usual height), and with a check of the chosen name that turns a refused
// name into a cancel.
class CSingleFileSel {
public:
    using ShowMessage = std::function<void(const std::u16string&)>;

    // `filter` lists description|pattern pairs separated by '|'. `show` tells the user why a
    // chosen name was refused; it runs after the dialog has closed.
    CSingleFileSel(bool openFileDialog, const wchar_t* defaultExtension, const wchar_t* fileName,
                   DWORD flags, const wchar_t* filter, HWND parent, ShowMessage show);
    CSingleFileSel(const CSingleFileSel&) = delete;
    CSingleFileSel& operator=(const CSingleFileSel&) = delete;

    // IDOK when the user confirmed a name that passed the check; IDCANCEL when the user
    // cancelled, the dialog failed or the name was refused.
    INT_PTR DoModal();
    std::wstring PathName() const { return fileName; }
    // The size of description the platform's dialog function receives.
    DWORD StructSize() const;

    // 1: the full description (systems of the NT family from version 5 on); 0: the short one
    // of older systems, whose dialog also gets the taller file list.
    int32_t useFullSizeStruct;

    // Whether this is an NT system of major version 5 or later: -1 until the first dialog
    // asked, then 0 or 1.
    static int ntVersion5;

private:
    static UINT_PTR CALLBACK HookProc(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDone(HWND dialog);

    bool openFileDialog;
    DWORD flags;
    HWND parent;
    std::wstring defaultExtension;
    std::wstring filter; // NUL-separated, as the platform takes it
    ShowMessage show;
    wchar_t fileName[MAX_PATH] = {};
};
