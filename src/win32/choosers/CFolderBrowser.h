#pragma once

#include "win32/platform/CSubclassedWindow.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdint>
#include <string>

class CFolderBrowser;

// Sits on the shell's browse dialog while it is open: takes the OK button over and follows
// the edit box that CFolderBrowser adds. Everything else goes on to the shell's dialog.
class CFolderBrowserHook : public CSubclassedWindow {
public:
    explicit CFolderBrowserHook(CFolderBrowser& browser) : browser(browser) {}

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CFolderBrowser& browser;
};

// The platform shell's folder browser with an edit box above its tree. The box always shows
// the selected folder's path and takes a typed one; OK is enabled only while the box holds
// text, and a path is only accepted once it exists and has the form of a folder path. The
// box's text, not the tree's selection, is the result. The dialog is half as large again as
// the shell makes it, with OK and Cancel moved to the top right.
class CFolderBrowser {
public:
    static constexpr int kTreeId = 14145;
    static constexpr int kPromptId = 14146;
    static constexpr int kStatusId = 14147;
    static constexpr int kEditId = 14148;

    CFolderBrowser(std::u16string caption, std::u16string prompt, std::u16string initialPath,
                   HWND owner);
    virtual ~CFolderBrowser() = default;
    CFolderBrowser(const CFolderBrowser&) = delete;
    CFolderBrowser& operator=(const CFolderBrowser&) = delete;

    // IDOK when a path was accepted, -1 when the dialog was cancelled, closed, or could not
    // run at all.
    virtual INT_PTR DoModal();
    // The accepted path; read it after DoModal returned IDOK.
    const std::u16string& ChosenPath() const { return chosenPath; }

private:
    friend class CFolderBrowserHook;

    static int CALLBACK Callback(HWND dialog, UINT message, LPARAM lParam, LPARAM data);
    void OnInitialized(HWND dialog);
    void OnSelectionChanged(PCIDLIST_ABSOLUTE item);
    void OnEditChange();
    void EnableOkForBox();
    void OnOk();
    void CreateEditBox();
    void Layout();
    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    std::u16string caption;
    std::u16string prompt;
    std::u16string initialPath;
    std::u16string chosenPath;
    HWND owner;
    HWND dialog = nullptr;
    HWND edit = nullptr;
    int32_t accepted = 0;
    CFolderBrowserHook hook{*this};
};
