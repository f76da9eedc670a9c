#pragma once

#include "core/app/CMainCommands.h"
#include "core/window/CCommandWindow.h"
#include "win32/about/CAboutIcon.h"
#include "win32/app/CResizableDialog.h"
#include "win32/app/CStatusLine.h"
#include "win32/grid/CGridWindow.h"
#include "win32/platform/CUnique.h"
#include "win32/platform/CWin32FileSystem.h"
#include "win32/platform/CWin32RecycleShell.h"

// The program's one window: its controls, layout and command table. What the commands do
// is in CMainCommands; this class gives them the window they work on.
class CMainDialog : public CResizableDialog, public CCommandWindow {
public:
    CMainDialog();

    CMainCommands& Commands() { return commands; }
    CStatusLine& StatusLine() { return statusLine; }
    CAboutIcon& AboutIcon() { return aboutIcon; }
    CGridWindow& ResultWindow() { return resultWindow; }
    CGridWindow& FolderWindow() { return folderWindow; }
    HICON Icon() const { return icon; }

    // CCommandWindow
    std::u16string ItemText(int id) const override;
    void SetItemText(int id, std::u16string_view text) override;
    bool IsItemEnabled(int id) const override;
    void EnableItem(int id, bool enable) override;
    bool IsItemChecked(int id) const override;
    void CheckItem(int id, bool checked) override;
    int SelectedIndex(int id) const override;
    void SelectIndex(int id, int index) override;
    void SetButtonsEnabled(bool enable) override;
    int ShowMessage(std::u16string_view text, unsigned style) override;
    void PumpMessages() override;
    void BringToFront() override;
    void PostCommand(int id) override;
    void SetWaitCursor(bool on) override;
    void FocusItem(int id) override;
    void SetTopmost(bool on) override;
    IRecycleShell& RecycleShell() override { return recycleShell; }
    bool ChooseSaveFile(std::u16string& path) override;
    bool OpenPath(const std::u16string& path) override;
    std::optional<std::u16string> BrowseForFolder(std::u16string_view caption,
                                                  std::u16string_view prompt,
                                                  std::u16string_view initialPath) override;
    uint64_t Milliseconds() override;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSizeChanged(int dx, int dy) override;

private:
    BOOL OnInitDialog();
    void SetUpGrids();
    void Maximise();
    void OnCommand(int id);
    bool OnPaintMinimised();

    CWin32FileSystem fileSystem;
    CMainCommands commands{*this, fileSystem};
    HICON icon = nullptr;
    CStatusLine statusLine;
    CAboutIcon aboutIcon;
    CGridWindow resultWindow;
    CGridWindow folderWindow;
    CFontHandle gridFont;
    HCURSOR savedCursor = nullptr;
    CWin32RecycleShell recycleShell{hwnd};
};
