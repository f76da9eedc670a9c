#include "win32/results/OpenPath.h"

#include "core/results/ResultRows.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/MessagePump.h"
#include "win32/app/ModalRun.h"
#include "win32/platform/ScratchFolder.h"
#include "win32/platform/WinString.h"
#include "win32/platform/WindowText.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

// ".txt" opens in notepad in this test's prefix only while the object lives.
struct CTextAssociation {
    CTextAssociation() { RegSetValueW(HKEY_CLASSES_ROOT, L".txt", REG_SZ, L"txtfile", 0); }
    ~CTextAssociation() { RegDeleteTreeW(HKEY_CLASSES_ROOT, L".txt"); }
};

// Top-level windows of every process whose title contains `part`.
std::vector<HWND> WindowsTitled(const std::wstring& part) {
    struct Search {
        const std::wstring* part;
        std::vector<HWND> found;
    } search{&part, {}};
    EnumWindows(
        [](HWND w, LPARAM p) {
            auto* s = reinterpret_cast<Search*>(p);
            if (IsWindowVisible(w) && WindowText(w).find(*s->part) != std::wstring::npos)
                s->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <class Condition> bool WaitFor(HWND pumped, Condition condition, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        PumpMessages(pumped);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

void DoubleClick(HWND cells, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(cells, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(cells, WM_LBUTTONUP, 0, at);
    SendMessageW(cells, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(cells, WM_LBUTTONUP, 0, at);
}

TEST(OpenItemWindow, ADoubleClickOpensTheFileARowNamesAndAPlaceholderNothing) {
    CTextAssociation association;
    const std::wstring folder = ScratchFolder(L"open");
    ASSERT_FALSE(folder.empty());
    const std::wstring name = L"双击打开.txt";
    const std::wstring file = folder + L"\\" + name;
    ASSERT_TRUE(WriteBytes(file, "hello"));
    CMainDialog d;
    bool opened = false, placeholderOpenedNothing = false;
    RunModal(d, [&] {
        CListGrid& grid = d.Commands().resultGrid;
        AppendResultRow(grid, kEmptyFileLabel, U16(file));
        HWND cells = d.ResultWindow().CellArea();
        const int y = CGridCtrl::kRowHeight / 2; // the first row: the heading is a window apart
        // The left cell holds the placeholder: the program stays, the list stays, nothing opens.
        const size_t windowsBefore = WindowsTitled(L"").size();
        DoubleClick(cells, grid.ColumnLeft(0) + 80, y);
        PumpMessages(d.Handle());
        placeholderOpenedNothing = WindowsTitled(L"").size() == windowsBefore &&
                                   grid.RowCount() == 1 && grid.CellPath(0, 0) == kEmptyFileLabel &&
                                   !grid.IsTicked(0, 0) && !grid.IsTicked(1, 0);
        DoubleClick(cells, grid.ColumnLeft(1) + 80, y);
        opened = WaitFor(
            d.Handle(), [&] { return !WindowsTitled(name).empty(); }, 20);
        for (HWND w : WindowsTitled(name)) PostMessageW(w, WM_CLOSE, 0, 0);
        WaitFor(
            d.Handle(), [&] { return WindowsTitled(name).empty(); }, 10);
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(placeholderOpenedNothing);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(WindowsTitled(name).empty()); // the test closed what it opened
    DeleteFileW(file.c_str());
}

// A shortcut made here, with a working directory of its own.
bool MakeShortcut(const std::wstring& link, const std::wstring& target,
                  const std::wstring& directory) {
    IShellLinkW* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell))))
        return false;
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(shell->SetPath(target.c_str())) &&
        SUCCEEDED(shell->SetWorkingDirectory(directory.c_str())) &&
        SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(link.c_str(), TRUE));
        file->Release();
    }
    shell->Release();
    return saved;
}

TEST(OpenPath, AShortcutOpensInItsOwnWorkingDirectoryWhenItCanBeRead) {
    const std::wstring folder = ScratchFolder(L"open-link");
    ASSERT_FALSE(folder.empty());
    const std::wstring target = folder + L"\\target.txt";
    const std::wstring link = folder + L"\\快捷方式.lnk";
    ASSERT_TRUE(WriteBytes(target, "x"));
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ASSERT_TRUE(MakeShortcut(link, target, L"C:\\windows"));
    EXPECT_EQ(OpenWorkingDirectory(nullptr, U16(link)), L"C:\\windows");
    CoUninitialize();
    // The program leaves the component library alone: then the shortcut's folder serves.
    EXPECT_EQ(OpenWorkingDirectory(nullptr, U16(link)), folder);
    EXPECT_EQ(OpenWorkingDirectory(nullptr, U16(target)), folder);
    EXPECT_EQ(OpenWorkingDirectory(nullptr, u"(空文件夹)"), std::nullopt);
    EXPECT_FALSE(OpenPath(nullptr, u"(空文件夹)"));
    EXPECT_FALSE(OpenPath(nullptr, u""));
    DeleteFileW(link.c_str());
    DeleteFileW(target.c_str());
}

} // namespace
