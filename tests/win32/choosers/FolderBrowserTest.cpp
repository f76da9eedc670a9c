// The real shell browser with the program's edit box, driven as a user would from a timer.
#include "core/choosers/FolderListCommands.h"
#include "win32/choosers/CFolderBrowser.h"
#include "win32/choosers/ChooserTestKit.h"
#include "win32/platform/LayoutScreen.h"
#include "win32/platform/WinString.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

HWND Edit(HWND browser) { return GetDlgItem(browser, CFolderBrowser::kEditId); }
bool OkEnabled(HWND browser) { return IsWindowEnabled(GetDlgItem(browser, IDOK)) != FALSE; }

// Types into the box as the platform does it: the text is set and the box says it changed.
void Type(HWND browser, const std::wstring& text) {
    SendMessageW(Edit(browser), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressOk(HWND browser) {
    PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(browser, IDOK)));
}

// Types `path` into the browser's box and presses OK, as one step of a script.
void TypeAndPressOk(Script& script, const std::wstring& path) {
    script.Do([path] {
        Type(FindBrowser(), path);
        PressOk(FindBrowser());
    });
}

std::u16string Refusal(const std::wstring& path) {
    return u"您所指定的目录\n\n" + U16(path) + u"\n\n无效。请重新指定。";
}

CFolderBrowser MakeBrowser(HWND owner = nullptr) {
    return CFolderBrowser(std::u16string(kAddFolderCaption), std::u16string(kAddFolderPrompt), u"",
                          owner);
}

// Types `path`, presses OK, and expects the refusal, after which the browser is still open
// with the keyboard focus in its box.
void ExpectRefused(Script& script, const std::wstring& path) {
    auto box = std::make_shared<HWND>();
    TypeAndPressOk(script, path);
    script.Then([box] { return (*box = FindMessageBox(FindBrowser())) != nullptr; });
    script.Do([box, path] {
        EXPECT_EQ(MessageBoxText(*box), Refusal(path));
        EXPECT_EQ(WindowText(*box), L"Corvane");
        PostMessageW(*box, WM_COMMAND, IDOK, 0);
    });
    script.Then([] { return FindBrowser() && !FindMessageBox(FindBrowser()); });
    script.Do([path] {
        HWND browser = FindBrowser();
        EXPECT_EQ(GetFocus(), Edit(browser))
            << "after refusing " << std::string(path.begin(), path.end());
    });
}

TEST(FolderBrowser, RefusesMissingAndMalformedPathsAndAcceptsAnExistingFile) {
    ScratchTree scratch(L"browser-refuse");
    const std::wstring data = scratch.Folder(L"Data");
    const std::wstring dotted = scratch.Folder(L".cache");
    const std::wstring notes = scratch.File(L"notes.txt");
    CFolderBrowser browser = MakeBrowser();
    Script script;
    script.Then([] { return FindBrowser() != nullptr; });
    ExpectRefused(script, scratch.path + L"\\missing");
    ExpectRefused(script, data + L"\\");
    ExpectRefused(script, dotted);
    ExpectRefused(script, L"\\\\server\\share");
    TypeAndPressOk(script, notes);
    script.Start();
    EXPECT_EQ(browser.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
    EXPECT_EQ(browser.ChosenPath(), U16(notes)); // the box, not the tree's selection
    EXPECT_EQ(FindBrowser(), nullptr);
}

TEST(FolderBrowser, OkFollowsTheBoxAndATypedFolderIsTheResult) {
    ScratchTree scratch(L"browser-typed");
    const std::wstring data = scratch.Folder(L"数据 2016");
    CFolderBrowser browser = MakeBrowser();
    Script script;
    script.Then([] { return FindBrowser() != nullptr; });
    script.Do([] {
        HWND b = FindBrowser();
        EXPECT_EQ(WindowText(b), L"添加文件夹");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(b, CFolderBrowser::kStatusId)));
        Type(b, L"D");
        EXPECT_TRUE(OkEnabled(b));
        Type(b, L"");
        EXPECT_FALSE(OkEnabled(b));
        // Enter in the empty box reaches the dialog as OK; a disabled OK was not pressed.
        PressOk(b);
    });
    script.Do([] { EXPECT_EQ(FindMessageBox(FindBrowser()), nullptr); });
    TypeAndPressOk(script, data);
    script.Start();
    EXPECT_EQ(browser.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
    EXPECT_EQ(browser.ChosenPath(), U16(data));
}

TEST(FolderBrowser, TheTreesSelectionFillsTheBoxAndVirtualFoldersEmptyIt) {
    ScratchTree scratch(L"browser-tree");
    CFolderBrowser browser = MakeBrowser();
    Script script;
    script.Then([] { return FindBrowser() != nullptr; });
    // Wine's browser sometimes cannot walk to a path while its tree is still being filled,
    // so the selection is asked for again until it arrives.
    script.Then([&] {
        HWND b = FindBrowser();
        SendMessageW(b, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(scratch.path.c_str()));
        return WindowText(Edit(b)) == scratch.path;
    });
    script.Do([] {
        HWND b = FindBrowser();
        EXPECT_TRUE(OkEnabled(b));
        // Every item below the desktop: a folder on a drive shows its path without a trailing
        // backslash unless it is a root; anything else leaves the box empty and OK disabled.
        HWND tree = GetDlgItem(b, CFolderBrowser::kTreeId);
        const HTREEITEM root = TreeView_GetRoot(tree);
        int empty = 0, paths = 0;
        for (HTREEITEM item : {root, TreeView_GetChild(tree, root)}) {
            for (HTREEITEM i = item; i; i = TreeView_GetNextSibling(tree, i)) {
                TreeView_SelectItem(tree, i);
                const std::wstring text = WindowText(Edit(b));
                EXPECT_EQ(OkEnabled(b), !text.empty()) << std::string(text.begin(), text.end());
                if (text.empty()) {
                    ++empty;
                    continue;
                }
                ++paths;
                EXPECT_EQ(text[1], L':');
                EXPECT_TRUE(text.size() == 3 || text.back() != L'\\');
            }
        }
        EXPECT_GT(empty, 0); // the desktop itself and My Computer at least
        EXPECT_GT(paths, 0);
        PostMessageW(b, WM_COMMAND, IDCANCEL, 0);
    });
    script.Start();
    EXPECT_EQ(browser.DoModal(), -1);
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
}

TEST(FolderBrowser, CancelAndTheCloseBoxReturnMinusOne) {
    for (UINT message : {WM_COMMAND, WM_CLOSE}) {
        CFolderBrowser browser = MakeBrowser();
        Script script;
        script.Then([] { return FindBrowser() != nullptr; });
        script.Do([message] {
            Type(FindBrowser(), L"C:\\");
            PostMessageW(FindBrowser(), message, message == WM_COMMAND ? IDCANCEL : 0, 0);
        });
        script.Start();
        EXPECT_EQ(browser.DoModal(), -1);
        EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
    }
}

TEST(FolderBrowser, TabGoesFromTheBoxToTheTree) {
    CFolderBrowser browser = MakeBrowser();
    Script script;
    script.Then([] { return FindBrowser() != nullptr; });
    script.Do([] {
        HWND b = FindBrowser();
        HWND tree = GetDlgItem(b, CFolderBrowser::kTreeId);
        EXPECT_EQ(GetWindow(Edit(b), GW_HWNDNEXT), tree);
        EXPECT_EQ(WindowClassName(GetNextDlgTabItem(b, Edit(b), FALSE)), L"SysTreeView32");
        PostMessageW(b, WM_COMMAND, IDCANCEL, 0);
    });
    script.Start();
    EXPECT_EQ(browser.DoModal(), -1);
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
}

// The shell's own dialog, unchanged, to compare the program's layout with.
SIZE PlainBrowserSize() {
    static SIZE size{};
    BROWSEINFOW info{};
    wchar_t name[MAX_PATH];
    info.pszDisplayName = name;
    info.lpszTitle = L"x";
    info.ulFlags = 5;
    info.lpfn = [](HWND h, UINT m, LPARAM, LPARAM) -> int {
        if (m != BFFM_INITIALIZED) return 0;
        RECT r;
        GetWindowRect(h, &r);
        size = {r.right - r.left, r.bottom - r.top};
        PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
        return 0;
    };
    if (PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info)) CoTaskMemFree(item);
    return size;
}

RECT ScreenRectOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

TEST(FolderBrowser, IsHalfAsLargeAgainWithTheBoxAboveTheTreeAndTheButtonsTopRight) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    const SIZE plain = PlainBrowserSize();
    ASSERT_GT(plain.cx, 0);
    CFolderBrowser browser = MakeBrowser();
    Script script;
    script.Then([] { return FindBrowser() != nullptr; });
    script.Do([plain] {
        HWND b = FindBrowser();
        const RECT dialog = ScreenRectOf(b);
        EXPECT_EQ(dialog.right - dialog.left, plain.cx * 3 / 2);
        EXPECT_EQ(dialog.bottom - dialog.top, plain.cy * 3 / 2);
        const RECT prompt = ScreenRectOf(GetDlgItem(b, CFolderBrowser::kPromptId));
        const RECT tree = ScreenRectOf(GetDlgItem(b, CFolderBrowser::kTreeId));
        const RECT edit = ScreenRectOf(Edit(b));
        const RECT ok = ScreenRectOf(GetDlgItem(b, IDOK));
        const RECT cancel = ScreenRectOf(GetDlgItem(b, IDCANCEL));
        const int m = prompt.left - dialog.left;
        EXPECT_EQ(edit.bottom, tree.top - 4);
        EXPECT_EQ(edit.bottom - edit.top, 23);
        EXPECT_EQ(edit.left, tree.left);
        EXPECT_EQ(edit.right, dialog.right - m);
        EXPECT_EQ(tree.right, dialog.right - m);
        EXPECT_EQ(tree.bottom, dialog.bottom - m);
        EXPECT_EQ(cancel.right, dialog.right - m);
        EXPECT_EQ(cancel.top, prompt.top);
        EXPECT_EQ(ok.top, prompt.top);
        EXPECT_EQ(ok.left, cancel.left - 8 - (cancel.right - cancel.left));
        EXPECT_EQ(GetWindowLongPtrW(Edit(b), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
        EXPECT_EQ(SendMessageW(Edit(b), WM_GETFONT, 0, 0), SendMessageW(b, WM_GETFONT, 0, 0));
        PostMessageW(b, WM_COMMAND, IDCANCEL, 0);
    });
    script.Start();
    EXPECT_EQ(browser.DoModal(), -1);
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
}

} // namespace

namespace {

// Not a check: shows the browser with a typed path for a while, so that a picture of it can
// be taken. Run with --gtest_also_run_disabled_tests --gtest_filter=FolderBrowserScreenshot.*
TEST(FolderBrowserScreenshot, DISABLED_ShowsTheBrowserWithItsBox) {
    ScratchTree scratch(L"browser-shot");
    const std::wstring data = scratch.Folder(L"照片 2016");
    CFolderBrowser browser = MakeBrowser();
    Script script;
    script.Then([] { return FindBrowser() != nullptr; });
    script.Do([&] {
        HWND b = FindBrowser();
        SendMessageW(b, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(data.c_str()));
        SetFocus(Edit(b));
    });
    const char* seconds = std::getenv("CORVANE_SHOT_SECONDS");
    const int ticks = 25 * (seconds ? std::atoi(seconds) : 8);
    auto count = std::make_shared<int>(0);
    script.Then([count, ticks] { return ++*count > ticks; });
    script.Do([] { PostMessageW(FindBrowser(), WM_COMMAND, IDCANCEL, 0); });
    script.Start();
    browser.DoModal();
}

} // namespace
