#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/platform/LayoutScreen.h"
#include "win32/platform/WindowText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Expected {
    int id;
    const wchar_t* className;
    const wchar_t* text;
};

// Every control of the main window with an id, in template order.
const Expected kControls[] = {
    {IDC_NEW_LIST, L"Button", L"新建"},
    {IDC_ADD_FOLDER, L"Button", L"添加"},
    {IDC_REMOVE_FOLDER, L"Button", L"删除"},
    {IDC_CHECK_EMPTY, L"Button", L"检查空文件"},
    {IDC_FIND_DUPLICATES, L"Button", L"2. 查找重复文件"},
    {IDC_FOLDER_FRAME, L"Static", L""},
    {IDC_DELETE_FILES, L"Button", L"删除"},
    {IDC_FIND_EMPTY_FOLDERS, L"Button", L"查找"},
    {IDC_DELETE_FOLDERS, L"Button", L"删除"},
    {IDC_TICK_RIGHT, L"Button", L"勾选右边整列"},
    {IDC_CLEAR_TICKS, L"Button", L"去除所有勾选"},
    {IDC_ABOUT_ICON, L"Static", nullptr},
    {IDC_RESULT_FRAME, L"Static", L""},
    {IDC_EXAMINED_LABEL, L"Static", L"已检查:"},
    {IDC_EXAMINED, L"Static", L"0"},
    {IDC_DUPLICATES_LABEL, L"Static", L"重复:"},
    {IDC_DUPLICATES, L"Static", L"0"},
    {IDC_STATUS, L"Static", L"(Ready)"},
    {IDC_EMPTY_LABEL, L"Static", L"空文件/文件夹:"},
    {IDC_EMPTY, L"Static", L"0"},
    {IDC_EXPORT, L"Button", L"导出列表"},
    {IDC_TOTAL, L"Static", L""}, // "Static" in the template, emptied when the window opens
    {IDC_CLEAR_LIST, L"Button", L"清空"},
    {IDC_MOVE_UP, L"Button", L"上移"},
    {IDC_MOVE_DOWN, L"Button", L"下移"},
    {IDC_CRITERION, L"ComboBox", nullptr},
};

class MainDialogTemplate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dialog.Create(nullptr), nullptr);
        ShowWindow(dialog.Handle(), SW_HIDE);
    }
    void TearDown() override { DestroyWindow(dialog.Handle()); }
    CMainDialog dialog;
};

TEST_F(MainDialogTemplate, HasEveryControlWithItsTextInTabOrder) {
    EXPECT_EQ(WindowText(dialog.Handle()), L"Corvane");
    HWND previous = nullptr;
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.id);
        HWND control = dialog.Item(e.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(WindowClassName(control), e.className);
        if (e.text) {
            EXPECT_EQ(WindowText(control), e.text);
        }
        if (previous) {
            // Template order is z-order: each numbered control comes after the one before.
            bool after = false;
            for (HWND w = GetWindow(previous, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
                after = after || w == control;
            EXPECT_TRUE(after);
        }
        previous = control;
    }
}

TEST_F(MainDialogTemplate, LabelsWithoutIdsReadTheSteps) {
    std::vector<std::wstring> labels;
    for (HWND w = GetWindow(dialog.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetDlgCtrlID(w) == IDC_STATIC || GetDlgCtrlID(w) == 0xFFFF)
            labels.push_back(WindowText(w));
    const std::vector<std::wstring> expected = {L"1. 选择源文件夹:",
                                                L"3. 勾选需要删除的文件，然后",
                                                L"。双击文件可以打开。",
                                                L"4. ",
                                                L"空文件夹，然后",
                                                L"勾选的文件夹。",
                                                L"重复条件:"};
    EXPECT_EQ(labels, expected);
}

TEST_F(MainDialogTemplate, StartsWithTheFirstCriterionAndTheEmptyFileCheck) {
    HWND list = dialog.Item(IDC_CRITERION);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
    const wchar_t* items[] = {L"文件内容", L"文件名", L"文件名，忽略扩展名"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64] = {};
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, items[i]);
    }
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_CHECK_EMPTY), BST_CHECKED);
    for (int id :
         {IDC_DELETE_FILES, IDC_DELETE_FOLDERS, IDC_TICK_RIGHT, IDC_CLEAR_TICKS, IDC_EXPORT})
        EXPECT_FALSE(IsWindowEnabled(dialog.Item(id))) << id;
}

TEST_F(MainDialogTemplate, IsAResizableWindowThatTakesDrops) {
    const LONG_PTR style = GetWindowLongPtrW(dialog.Handle(), GWL_STYLE);
    for (LONG_PTR bit : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX})
        EXPECT_EQ(style & bit, bit);
    EXPECT_TRUE(GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(MainDialogTemplate, DesignSizeIs482By263DialogUnits) {
    SKIP_ON_A_SCREEN_TOO_SMALL_FOR_LAYOUT();
    RECT r = {0, 0, 482, 263};
    MapDialogRect(dialog.Handle(), &r);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(dialog.Handle(), GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE));
    AdjustWindowRectEx(&r, style & ~WS_MAXIMIZE, FALSE, exStyle);
    // The window opens maximised; what it was built at became the minimum size.
    EXPECT_EQ(dialog.minTrackWidth, r.right - r.left);
    EXPECT_EQ(dialog.minTrackHeight, r.bottom - r.top);
}

struct Placed {
    int id;
    int x, y, w, h; // dialog units; a height of 0 is not compared
    LONG_PTR mask, style;
};

// Where the template puts each control, and the styles that make it what it is.
const Placed kPlaced[] = {
    {IDC_NEW_LIST, 74, 3, 25, 12, 0, 0},
    {IDC_ADD_FOLDER, 101, 3, 25, 12, 0, 0},
    {IDC_REMOVE_FOLDER, 128, 3, 25, 12, 0, 0},
    {IDC_CHECK_EMPTY, 242, 5, 49, 10, BS_TYPEMASK, BS_AUTOCHECKBOX},
    {IDC_FIND_DUPLICATES, 416, 3, 61, 12, BS_TYPEMASK, BS_DEFPUSHBUTTON},
    {IDC_FOLDER_FRAME, 8, 17, 469, 81, 0, 0},
    {IDC_DELETE_FILES, 112, 100, 29, 12, 0, 0},
    {IDC_FIND_EMPTY_FOLDERS, 18, 114, 26, 12, 0, 0},
    {IDC_DELETE_FOLDERS, 101, 114, 29, 12, 0, 0},
    {IDC_TICK_RIGHT, 233, 114, 57, 12, 0, 0},
    {IDC_CLEAR_TICKS, 294, 114, 57, 12, 0, 0},
    {IDC_ABOUT_ICON, 459, 106, 0, 0, SS_TYPEMASK, SS_ICON}, // sized by its icon
    {IDC_RESULT_FRAME, 8, 130, 469, 103, 0, 0},
    {IDC_EXAMINED_LABEL, 8, 236, 27, 8, SS_TYPEMASK, SS_LEFT},
    {IDC_EXAMINED, 37, 235, 33, 10, SS_TYPEMASK | SS_SUNKEN, SS_RIGHT | SS_SUNKEN},
    {IDC_DUPLICATES_LABEL, 151, 236, 20, 8, SS_TYPEMASK, SS_LEFT},
    {IDC_DUPLICATES, 174, 235, 33, 10, SS_TYPEMASK | SS_SUNKEN, SS_RIGHT | SS_SUNKEN},
    {IDC_STATUS, 8, 247, 469, 10, SS_TYPEMASK | SS_SUNKEN, SS_LEFTNOWORDWRAP | SS_SUNKEN},
    {IDC_EMPTY_LABEL, 283, 236, 56, 8, SS_TYPEMASK, SS_LEFT},
    {IDC_EMPTY, 342, 235, 33, 10, SS_TYPEMASK | SS_SUNKEN, SS_RIGHT | SS_SUNKEN},
    {IDC_EXPORT, 193, 114, 38, 12, 0, 0},
    {IDC_TOTAL, 75, 235, 62, 8, SS_TYPEMASK, SS_LEFT},
    {IDC_CLEAR_LIST, 155, 3, 25, 12, 0, 0},
    {IDC_MOVE_UP, 185, 3, 25, 12, 0, 0},
    {IDC_MOVE_DOWN, 212, 3, 25, 12, 0, 0},
    // A drop-down list is as high as its edit field; the template's height is the list's. Its
    // vertical scroll bar goes to the list, which drops it while three items fit.
    {IDC_CRITERION, 335, 3, 77, 0, CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST},
};

TEST_F(MainDialogTemplate, ControlsSitWhereTheTemplatePutsThemWithTheirStyles) {
    HWND h = dialog.Handle();
    // At the design size, where the layout has moved nothing.
    ShowWindow(h, SW_RESTORE);
    ShowWindow(h, SW_HIDE);
    for (const Placed& p : kPlaced) {
        SCOPED_TRACE(p.id);
        // The dialog manager converts the corner and the size apart.
        RECT units{p.x, p.y, p.w, p.h};
        MapDialogRect(h, &units);
        RECT r;
        GetWindowRect(dialog.Item(p.id), &r);
        MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, units.left);
        EXPECT_EQ(r.top, units.top);
        if (p.w) {
            EXPECT_EQ(r.right - r.left, units.right);
        }
        if (p.h) {
            EXPECT_EQ(r.bottom - r.top, units.bottom);
        }
        EXPECT_EQ(GetWindowLongPtrW(dialog.Item(p.id), GWL_STYLE) & p.mask, p.style);
    }
}

} // namespace
