#include "core/results/ResultRows.h"
#include "win32/grid/CGdiCanvas.h"

#include "win32/grid/GridTestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class GridWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.AttachToControl(grid, parent.Handle(), GridTestWindow::kFrameId));
        SetUpResultGrid(grid, reinterpret_cast<GridFont>(GetStockObject(DEFAULT_GUI_FONT)));
        for (int i = 0; i < 30; ++i)
            AppendResultRow(grid, u"Z:\\tmp\\anchor.txt",
                            u"Z:\\tmp\\copy" + std::u16string(1, u'a' + i % 26));
        GridTestWindow::Pump();
    }

    static COLORREF Sys(int index) { return GetSysColor(index); }
    LPARAM At(GridPoint p) const { return MAKELPARAM(p.x, p.y); }
    void Wheel(int delta) {
        const WPARAM w = static_cast<WPARAM>(static_cast<WORD>(static_cast<short>(delta))) << 16;
        SendMessageW(window.CellArea(), WM_MOUSEWHEEL, w, 0);
    }
    void Click(GridPoint p) {
        SendMessageW(window.CellArea(), WM_LBUTTONDOWN, MK_LBUTTON, At(p));
        SendMessageW(window.CellArea(), WM_LBUTTONUP, 0, At(p));
    }

    GridTestWindow parent;
    CListGrid grid;
    CGridWindow window;
};

TEST_F(GridWindowTest, AttachingBuildsTheComponentWindowsInTheFrame) {
    HWND frame = GetDlgItem(parent.Handle(), GridTestWindow::kFrameId);
    EXPECT_EQ(window.Handle(), frame);
    const LONG_PTR style = GetWindowLongPtrW(frame, GWL_STYLE);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    EXPECT_TRUE(style & WS_TABSTOP);
    for (int id = CGridWindow::kCellsId; id <= CGridWindow::kHScrollId; ++id)
        EXPECT_NE(GetDlgItem(frame, id), nullptr) << "component " << id;
    EXPECT_NE(window.ToolTip(), nullptr);
    EXPECT_TRUE(grid.HintsEnabled()); // the set-up hook ran
    RECT cells;
    GetClientRect(window.CellArea(), &cells);
    EXPECT_EQ(grid.ViewWidth(), cells.right);
    EXPECT_EQ(grid.ColumnWidth(0) + grid.ColumnWidth(1),
              cells.right - GetSystemMetrics(SM_CXHSCROLL) / 4);
    CGridWindow second;
    EXPECT_FALSE(second.AttachToControl(grid, parent.Handle(), 4242)); // no such control
}

TEST_F(GridWindowTest, TheBoxIsPaintedInPlaceAndTheTickOnlyWhenTicked) {
    grid.SetTicked(1, 0, true);
    grid.MoveTo(0, 1); // keep row 0 out of the highlight
    PaintedPart cells(window.CellArea());
    const int x = grid.ColumnLeft(1);
    // Row 0 of column 1 is ticked; column 0 is not. The box runs from (3, 4) to (15, 16).
    for (int left : {0, x}) {
        EXPECT_EQ(cells.At(left + 3, 4), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(cells.At(left + 3, 15), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(cells.At(left + 15, 4), kBoxLightGrey);
        EXPECT_EQ(cells.At(left + 8, 16), kBoxLightGrey);
        EXPECT_EQ(cells.At(left + 4, 5), RGB(0, 0, 0)); // the inner frame
        EXPECT_EQ(cells.At(left + 14, 10), Sys(COLOR_BTNFACE));
        EXPECT_EQ(cells.At(left + 6, 7), Sys(COLOR_WINDOW));  // inside, off the tick
        EXPECT_EQ(cells.At(left + 2, 10), Sys(COLOR_WINDOW)); // left of the box
    }
    EXPECT_EQ(cells.At(x + 9, 13), RGB(0, 0, 0));
    EXPECT_EQ(cells.At(x + 16, 6), RGB(0, 0, 0)); // the long stroke leaves the box
    EXPECT_EQ(cells.At(9, 13), Sys(COLOR_WINDOW));
    EXPECT_EQ(cells.At(16, 6), Sys(COLOR_WINDOW));
    // Thin lines on the right and bottom edges.
    EXPECT_EQ(cells.At(x - 1, 10), kGridLineColour);
    EXPECT_EQ(cells.At(30, 19), kGridLineColour);
}

TEST_F(GridWindowTest, TheCurrentCellAndHeadingsShowInLightYellow) {
    grid.MoveTo(1, 2);
    const int x = grid.ColumnLeft(1);
    {
        PaintedPart cells(window.CellArea());
        EXPECT_EQ(cells.At(x + grid.ColumnWidth(1) - 4, 42), 0xB9FFFFu);
        EXPECT_EQ(cells.At(grid.ColumnWidth(0) - 4, 42), Sys(COLOR_WINDOW));
        PaintedPart top(window.Part(GridPart::TopHeading));
        EXPECT_EQ(top.At(x + 3, 10), kLightYellow);
        EXPECT_EQ(top.At(3, 10), Sys(COLOR_BTNFACE));
        PaintedPart side(window.Part(GridPart::SideHeading));
        EXPECT_EQ(side.At(3, 50), kLightYellow);
        EXPECT_EQ(side.At(3, 10), Sys(COLOR_BTNFACE));
    }
    // A click on column 0 moves the heading highlight with it.
    Click({grid.ColumnWidth(0) - 10, 10});
    EXPECT_EQ(grid.CurrentColumn(), 0);
    EXPECT_EQ(grid.CurrentRow(), 0);
    PaintedPart top(window.Part(GridPart::TopHeading));
    EXPECT_EQ(top.At(3, 10), kLightYellow);
    EXPECT_EQ(top.At(x + 3, 10), Sys(COLOR_BTNFACE));
    PaintedPart side(window.Part(GridPart::SideHeading));
    EXPECT_EQ(side.At(3, 10), kLightYellow);
}

TEST_F(GridWindowTest, ReleasingTheButtonOnTheBoxToggles) {
    const int x = grid.ColumnLeft(1);
    Click({x + 15, 20 + 16}); // the box's bottom right corner in row 1
    EXPECT_EQ(grid.CellText(1, 1), u"1.000000");
    Click({x + 16, 20 + 10}); // just right of it
    Click({x + 60, 20 + 10}); // on the caption
    EXPECT_EQ(grid.CellText(1, 1), u"1.000000");
    Click({x + 3, 20 + 4});
    EXPECT_FALSE(grid.IsTicked(1, 1));
    EXPECT_EQ(GetFocus(), window.CellArea());
}

TEST_F(GridWindowTest, TheSpaceBarTogglesTheCurrentCellAndArrowsMove) {
    EXPECT_EQ(SendMessageW(window.CellArea(), WM_GETDLGCODE, 0, 0),
              DLGC_WANTARROWS | DLGC_WANTALLKEYS);
    grid.MoveTo(1, 0);
    SendMessageW(window.CellArea(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(grid.IsTicked(1, 0));
    SendMessageW(window.CellArea(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(window.CellArea(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(grid.IsTicked(1, 1));
    SendMessageW(window.CellArea(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(grid.IsTicked(1, 1));
    EXPECT_TRUE(grid.IsTicked(1, 0));
}

TEST_F(GridWindowTest, TheWheelMovesThreeRowsANotch) {
    grid.MoveTo(0, 0);
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(grid.TopRow(), 3);
    Wheel(-2 * WHEEL_DELTA);
    EXPECT_EQ(grid.TopRow(), 9);
    Wheel(WHEEL_DELTA);
    EXPECT_EQ(grid.TopRow(), 6);
    EXPECT_EQ(grid.CurrentRow(), 0);
    GridTestWindow::Pump();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window.ScrollBar(true), SB_CTL, &info);
    EXPECT_EQ(info.nPos, 6);
    EXPECT_EQ(info.nMax, 29);
    EXPECT_EQ(static_cast<int>(info.nPage), grid.PageRows());
}

// Drawing a scroll bar is slow on some platforms: while a search appends rows the range is
// redrawn a few times a second, never once a row, and the last one arrives by itself.
TEST_F(GridWindowTest, AGrowingListRedrawsItsRangeAFewTimesASecondAndEndsExact) {
    auto shownMax = [&] {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE;
        GetScrollInfo(window.ScrollBar(true), SB_CTL, &info);
        return info.nMax;
    };
    int changes = 0, last = shownMax();
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < 600) {
        AppendResultRow(grid, u"Z:\\a", u"Z:\\b");
        GridTestWindow::Pump();
        if (shownMax() != last) ++changes, last = shownMax();
        Sleep(2);
    }
    EXPECT_GE(changes, 1);
    EXPECT_LE(changes, 4);
    const ULONGLONG settle = GetTickCount64();
    while (shownMax() != grid.RowCount() - 1 && GetTickCount64() - settle < 3000) {
        GridTestWindow::Pump();
        Sleep(10);
    }
    EXPECT_EQ(shownMax(), grid.RowCount() - 1);
}

TEST_F(GridWindowTest, ScrollBarMessagesMoveTheTopRow) {
    HWND bar = window.ScrollBar(true);
    SendMessageW(window.Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(grid.TopRow(), 1);
    SendMessageW(window.Handle(), WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(grid.TopRow(), grid.MaxTopRow());
    SendMessageW(window.Handle(), WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(grid.TopRow(), 0);
}

TEST_F(GridWindowTest, DestroyingTheFrameFirstLeavesTheGridUsable) {
    DestroyWindow(window.Handle());
    EXPECT_EQ(window.Handle(), nullptr);
    AppendResultRow(grid, u"a", u"b"); // no window to tell, nothing to crash
    EXPECT_EQ(grid.RowCount(), 31);
}

TEST_F(GridWindowTest, TheToolTipAsksForTheLabelOfTheCellUnderThePointer) {
    const std::u16string path80 = u"Z:\\" + std::u16string(77, u'p');
    grid.SetCellLabel(0, 1, path80);
    POINT p{20, 30}; // column 0, row 1
    ClientToScreen(window.CellArea(), &p);
    ASSERT_TRUE(SetCursorPos(p.x, p.y));
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = window.ToolTip();
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(window.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(info.lpszText, info.szText);
    const std::wstring expected = L"Z:\\" + std::wstring(73, L'p') + L"...";
    EXPECT_EQ(std::wstring(info.szText), expected);
}

TEST_F(GridWindowTest, DraggingAColumnBorderResizesAndTheNextFitKeepsTheRatio) {
    HWND top = window.Part(GridPart::TopHeading);
    const int border = grid.ColumnWidth(0);
    const int total = grid.ColumnWidth(0) + grid.ColumnWidth(1);
    SendMessageW(top, WM_LBUTTONDOWN, MK_LBUTTON, At({border - 1, 10}));
    SendMessageW(top, WM_MOUSEMOVE, MK_LBUTTON, At({border / 2, 10}));
    SendMessageW(top, WM_LBUTTONUP, 0, At({border / 2, 10}));
    EXPECT_EQ(grid.ColumnWidth(0), border / 2);
    grid.FitAllColumns();
    EXPECT_EQ(grid.ColumnWidth(0) + grid.ColumnWidth(1), total);
    EXPECT_NEAR(grid.ColumnWidth(0), total / 3, 2);
    // A press away from a border drags nothing.
    SendMessageW(top, WM_LBUTTONDOWN, MK_LBUTTON, At({10, 10}));
    SendMessageW(top, WM_MOUSEMOVE, MK_LBUTTON, At({40, 10}));
    SendMessageW(top, WM_LBUTTONUP, 0, At({40, 10}));
    EXPECT_NEAR(grid.ColumnWidth(0), total / 3, 2);
}

TEST_F(GridWindowTest, ADoubleClickOpensTheCellsLabel) {
    std::u16string opened;
    grid.SetOpenHandler([&](const std::u16string& path) { opened = path; });
    const GridPoint p{grid.ColumnLeft(1) + 60, 30};
    SendMessageW(window.CellArea(), WM_LBUTTONDOWN, MK_LBUTTON, At(p));
    SendMessageW(window.CellArea(), WM_LBUTTONUP, 0, At(p));
    SendMessageW(window.CellArea(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(p));
    SendMessageW(window.CellArea(), WM_LBUTTONUP, 0, At(p));
    EXPECT_EQ(opened, u"Z:\\tmp\\copyb");
    EXPECT_FALSE(grid.IsTicked(1, 1)); // the caption was hit, not the box
}

TEST(FolderGridWindow, TheCurrentRowIsHighlightedWholeAndTheHeadingStaysGrey) {
    GridTestWindow parent;
    CListGrid grid;
    CGridWindow window;
    ASSERT_TRUE(window.AttachToControl(grid, parent.Handle(), GridTestWindow::kFrameId));
    SetUpFolderGrid(grid, reinterpret_cast<GridFont>(GetStockObject(DEFAULT_GUI_FONT)));
    for (const char16_t* path : {u"Z:\\tmp\\a", u"Z:\\tmp\\b"}) {
        grid.AppendRow();
        grid.SetCellText(0, grid.RowCount() - 1, path);
    }
    grid.MoveToRow(1);
    PaintedPart cells(window.CellArea());
    const int right = grid.ColumnWidth(0) - 4;
    EXPECT_EQ(cells.At(right, 30), 0xB9FFFFu);
    EXPECT_EQ(cells.At(2, 30), 0xB9FFFFu);
    EXPECT_EQ(cells.At(right, 10), GetSysColor(COLOR_WINDOW));
    PaintedPart top(window.Part(GridPart::TopHeading));
    EXPECT_EQ(top.At(3, 10), GetSysColor(COLOR_BTNFACE));
}

TEST(GdiCanvas, ResolvesSystemColoursAndKeepsPlainOnes) {
    EXPECT_EQ(CGdiCanvas::Resolve(SysColour::kButtonFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(CGdiCanvas::Resolve(0xB9FFFF), 0xB9FFFFu);
}

} // namespace
