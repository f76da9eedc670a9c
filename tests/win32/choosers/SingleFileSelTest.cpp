#include "win32/choosers/CSingleFileSel.h"

#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/choosers/DialogDriver.h"
#include "win32/platform/LayoutScreen.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <vector>

namespace {

struct Seen {
    RECT dialog{}, owner{}, list{}, ok{};
    INT_PTR result = 0;
    bool done = false;
    std::vector<std::u16string> shown;
};

RECT ScreenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

UINT_PTR CALLBACK LeaveAlone(HWND, UINT, WPARAM, LPARAM) { return 0; }

// Opens a save dialog over a small main window away from the screen's centre, measures it
// and cancels it. With `platformOnly` the platform's dialog gets the short structure from
// here, untouched, as the measure of what the class changes.
Seen OpenAndCancel(int useFullSizeStruct, DWORD* structSize = nullptr, bool platformOnly = false) {
    Seen seen;
    CMainDialog d;
    RunModal(d, [&] {
        ShowWindow(d.Handle(), SW_RESTORE);
        SetWindowPos(d.Handle(), nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        seen.owner = ScreenRect(d.Handle());
        CSingleFileSel file(false, L"txt", L"", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                            L"Text Files(*.txt)|*.txt|All Files(*.*)|*.*||", d.Handle(),
                            [&](const std::u16string& text) { seen.shown.push_back(text); });
        if (useFullSizeStruct >= 0) file.useFullSizeStruct = useFullSizeStruct;
        if (structSize) *structSize = file.StructSize();
        CDialogDriver driver({[&](HWND dialog) {
            seen.dialog = ScreenRect(dialog);
            seen.list = ScreenRect(GetDlgItem(dialog, lst1));
            seen.ok = ScreenRect(GetDlgItem(dialog, IDOK));
            CDialogDriver::Press(dialog, IDCANCEL);
        }});
        if (platformOnly) {
            wchar_t name[MAX_PATH] = {};
            OPENFILENAMEW plain{};
            plain.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
            plain.hwndOwner = d.Handle();
            plain.lpstrFilter = L"Text Files(*.txt)\0*.txt\0All Files(*.*)\0*.*\0";
            plain.lpstrFile = name;
            plain.nMaxFile = MAX_PATH;
            plain.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLEHOOK;
            plain.lpfnHook = LeaveAlone;
            seen.result = GetSaveFileNameW(&plain) ? IDOK : IDCANCEL;
        } else {
            seen.result = file.DoModal();
        }
        seen.done = driver.Done();
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    return seen;
}

TEST(SingleFileSel, OnThisSystemTheFullStructureIsHandedAndTheDialogCentredOnItsOwner) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    DWORD size = 0;
    const Seen seen = OpenAndCancel(-1, &size);
    EXPECT_EQ(CSingleFileSel::ntVersion5, 1);
    EXPECT_EQ(size, sizeof(OPENFILENAMEW));
    ASSERT_TRUE(seen.done);
    EXPECT_EQ(seen.result, IDCANCEL);
    EXPECT_TRUE(seen.shown.empty()); // a cancel says nothing
    EXPECT_NEAR((seen.dialog.left + seen.dialog.right) / 2,
                (seen.owner.left + seen.owner.right) / 2, 1);
    EXPECT_NEAR((seen.dialog.top + seen.dialog.bottom) / 2,
                (seen.owner.top + seen.owner.bottom) / 2, 1);
}

TEST(SingleFileSel, TheShortStructureGetsAFileListOfTwiceTheHeight) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    const Seen plain = OpenAndCancel(0, nullptr, true);
    DWORD size = 0;
    const Seen old = OpenAndCancel(0, &size);
    EXPECT_EQ(size, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400W));
    ASSERT_TRUE(plain.done && old.done);
    const int h = plain.list.bottom - plain.list.top;
    ASSERT_GT(h, 0);
    EXPECT_EQ(old.list.bottom - old.list.top, 2 * h);
    EXPECT_EQ(old.list.right - old.list.left, plain.list.right - plain.list.left);
    EXPECT_EQ((old.dialog.bottom - old.dialog.top) - (plain.dialog.bottom - plain.dialog.top), h);
    EXPECT_EQ((old.ok.top - old.dialog.top) - (plain.ok.top - plain.dialog.top), h);
    EXPECT_NEAR((old.dialog.top + old.dialog.bottom) / 2, (old.owner.top + old.owner.bottom) / 2,
                1);
}

} // namespace
