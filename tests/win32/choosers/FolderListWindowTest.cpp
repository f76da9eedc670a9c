// The folder list in the real main window: its buttons pressed, the real browser answered,
// folders dropped with a drop handle built as the shell builds one.
#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/choosers/ChooserTestKit.h"
#include "win32/choosers/DroppedFolders.h"
#include "win32/platform/WinString.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::u16string kDuplicate = u"抱歉，该文件夹已经在列表中。请勿重复选择。";

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    size_t units = 1;
    for (const std::wstring& p : paths) units += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* out = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& p : paths) {
        std::memcpy(out, p.c_str(), (p.size() + 1) * sizeof(wchar_t));
        out += p.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::vector<std::u16string> Rows(CMainDialog& d) {
    std::vector<std::u16string> rows;
    CListGrid& grid = d.Commands().folderGrid;
    for (int r = 0; r < grid.RowCount(); ++r) rows.push_back(grid.CellText(0, r).value_or(u"?"));
    return rows;
}

// A file in a drive root: C:\ is the build's own Wine prefix.
class RootFile {
public:
    RootFile() {
        CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    ~RootFile() { DeleteFileW(path); }
    const wchar_t* path = L"C:\\corvane-drop-test.txt";
};

TEST(DroppedFolders, AFolderAsItIsAFileByItsFolderAndNothingCutShort) {
    ScratchTree scratch(L"drop-items");
    RootFile rootFile;
    const std::wstring a = scratch.Folder(L"a"), b = scratch.Folder(L"b 照片");
    const std::wstring photo = scratch.File(L"b 照片\\IMG 1.jpg");
    std::wstring deep = scratch.path;
    while (deep.size() < 2100) deep += L"\\很长的文件夹名称";
    // Neither of the two long items exists: both count as files and give their folder.
    const std::wstring parent = deep.substr(0, deep.rfind(L'\\'));
    const std::vector<std::u16string> folders =
        TakeDroppedFolders(MakeDrop({b, photo, a, rootFile.path, deep + L"\\missing.txt", deep}));
    ASSERT_EQ(folders.size(), 6u);
    EXPECT_EQ(folders[0], U16(b));
    EXPECT_EQ(folders[1], U16(b));
    EXPECT_EQ(folders[2], U16(a));
    EXPECT_EQ(folders[3], u"C:\\");
    // Longer than the 2048 units of a path buffer, and still whole.
    EXPECT_GT(deep.size(), 2048u);
    EXPECT_TRUE(folders[4] == U16(deep));
    EXPECT_TRUE(folders[5] == U16(parent));
}

TEST(DroppedFolders, AFolderPastTheShellsPathLimitIsListedAsItIsAndItsFileGivesIt) {
    ScratchTree scratch(L"drop-long");
    std::wstring deep;
    while (scratch.path.size() + deep.size() < 300) {
        deep += (deep.empty() ? L"" : L"\\") + std::wstring(L"很长的文件夹名称 0123456789");
        scratch.Folder(deep);
    }
    const std::wstring folder = scratch.path + L"\\" + deep;
    const std::wstring file = scratch.File(deep + L"\\a.txt");
    ASSERT_GT(folder.size(), static_cast<size_t>(MAX_PATH));
    ASSERT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    const std::vector<std::u16string> folders = TakeDroppedFolders(MakeDrop({folder, file}));
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_TRUE(folders[0] == U16(folder));
    EXPECT_TRUE(folders[1] == U16(folder));
}

// Presses a button of the main window as a click does.
void Press(CMainDialog& d, int id) { PostMessageW(d.Item(id), BM_CLICK, 0, 0); }

// Answers the next message box of the main window with `answer`, checking its text.
void Answer(Script& script, CMainDialog& d, std::u16string text, int answer) {
    auto box = std::make_shared<HWND>();
    script.Then([&d, box] { return (*box = FindMessageBox(d.Handle())) != nullptr; });
    script.Do([box, text, answer] {
        EXPECT_EQ(MessageBoxText(*box), text);
        PostMessageW(*box, WM_COMMAND, answer, 0);
    });
    script.Then([box] { return !IsWindow(*box); });
}

// Presses Add and types `path` into the browser; an empty path cancels it.
void Add(Script& script, CMainDialog& d, const std::wstring& path) {
    script.Do([&d] { Press(d, IDC_ADD_FOLDER); });
    script.Then([] { return FindBrowser() != nullptr; });
    script.Do([path] {
        HWND browser = FindBrowser();
        SendMessageW(GetDlgItem(browser, 14148), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageW(browser, WM_COMMAND, path.empty() ? IDCANCEL : IDOK, 0);
    });
    script.Then([] { return FindBrowser() == nullptr; });
}

TEST(FolderListWindow, FoldersAreAddedRefusedReorderedRemovedAndCleared) {
    ScratchTree scratch(L"list-window");
    const std::wstring a = scratch.Folder(L"a"), b = scratch.Folder(L"b"), c = scratch.Folder(L"c");
    CMainDialog d;
    Script script;
    using V = std::vector<std::u16string>;
    RunModal(d, [&] {
        Add(script, d, a);
        Add(script, d, b);
        Add(script, d, c);
        Add(script, d, b);
        Answer(script, d, kDuplicate, IDOK);
        Add(script, d, L""); // cancelled
        script.Do([&] {
            EXPECT_EQ(Rows(d), (V{U16(a), U16(b), U16(c)}));
            // A click on the third row's number column makes it current.
            HWND cells = d.FolderWindow().CellArea();
            SendMessageW(cells, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 45));
            SendMessageW(cells, WM_LBUTTONUP, 0, MAKELPARAM(30, 45));
            EXPECT_EQ(d.Commands().folderGrid.CurrentRow(), 2);
            Press(d, IDC_MOVE_UP);
        });
        script.Then([&] { return d.Commands().folderGrid.CurrentRow() == 1; });
        script.Do([&] {
            EXPECT_EQ(Rows(d), (V{U16(a), U16(c), U16(b)}));
            Press(d, IDC_REMOVE_FOLDER);
        });
        Answer(script, d, u"您确定您真的想删除所选项？", IDYES);
        script.Do([&] {
            EXPECT_EQ(Rows(d), (V{U16(a), U16(b)}));
            Press(d, IDC_CLEAR_LIST);
        });
        Answer(script, d, u"您确定您真的想清空所有项？", IDNO);
        script.Do([&] {
            EXPECT_EQ(Rows(d).size(), 2u);
            Press(d, IDC_NEW_LIST); // empties at once and opens the browser
        });
        script.Then([] { return FindBrowser() != nullptr; });
        script.Do([&] {
            EXPECT_TRUE(Rows(d).empty());
            PostMessageW(FindBrowser(), WM_COMMAND, IDCANCEL, 0);
        });
        script.Then([] { return FindBrowser() == nullptr; });
        script.Do([&] { Press(d, IDC_CLEAR_LIST); });
        Answer(script, d, u"抱歉，没啥好清的。", IDOK);
        script.Do([&] {
            EXPECT_TRUE(Rows(d).empty());
            PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
        });
        script.Start();
    });
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
}

TEST(FolderListWindow, DroppedItemsAreListedInOrderAlsoDuringASearch) {
    ScratchTree scratch(L"list-drop");
    RootFile rootFile;
    const std::wstring a = scratch.Folder(L"a"), b = scratch.Folder(L"b"),
                       listed = scratch.Folder(L"listed");
    const std::wstring b1 = scratch.File(L"b\\1.txt"), b2 = scratch.File(L"b\\2.txt");
    CMainDialog d;
    Script script;
    RunModal(d, [&] {
        d.Commands().FolderList().AppendFolder(U16(listed));
        d.Commands().EnterBusy(IDC_FIND_DUPLICATES); // a drop is taken during a search too
        script.Do([&] {
            PostMessageW(d.Handle(), WM_DROPFILES,
                         reinterpret_cast<WPARAM>(MakeDrop({a, listed, b1, b2, rootFile.path})), 0);
        });
        Answer(script, d, kDuplicate, IDOK);
        Answer(script, d, kDuplicate, IDOK);
        script.Do([&] {
            EXPECT_EQ(Rows(d), (std::vector<std::u16string>{U16(listed), U16(a), U16(b), u"C:\\"}));
            d.Commands().LeaveBusy(IDC_FIND_DUPLICATES, u"2. 查找重复文件");
            PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
        });
        script.Start();
    });
    EXPECT_TRUE(script.Finished()) << "stuck at step " << script.failedStep;
}

} // namespace

namespace {

// Not a check: the main window with dropped folders and the browser open over it, held for a
// while so that a picture can be taken. Run with --gtest_also_run_disabled_tests
// --gtest_filter=FolderListScreenshot.*
TEST(FolderListScreenshot, DISABLED_ShowsTheListAndTheBrowser) {
    ScratchTree scratch(L"list-shot");
    const std::wstring a = scratch.Folder(L"照片"), b = scratch.Folder(L"文档 2016");
    CMainDialog d;
    Script script;
    const char* seconds = std::getenv("CORVANE_SHOT_SECONDS");
    const int ticks = 25 * (seconds ? std::atoi(seconds) : 8);
    auto count = std::make_shared<int>(0);
    RunModal(d, [&] {
        script.Do([&] {
            PostMessageW(d.Handle(), WM_DROPFILES,
                         reinterpret_cast<WPARAM>(MakeDrop({a, b, L"C:\\windows\\win.ini"})), 0);
            Press(d, IDC_ADD_FOLDER);
        });
        script.Then([count, ticks] { return ++*count > ticks; });
        script.Do([] { PostMessageW(FindBrowser(), WM_COMMAND, IDCANCEL, 0); });
        script.Then([] { return FindBrowser() == nullptr; });
        script.Do([&] { PostMessageW(d.Handle(), WM_CLOSE, 0, 0); });
        script.Start();
    });
}

} // namespace
