// The main window as a user who chose larger text sees it. These tests run in a Wine prefix of
// their own at 144 dpi (CORVANE_WINE_DPI, see tools/wine-prefix), in a ctest entry of their own.
#include "core/grid/CCheckBoxCellType.h"
#include "core/results/ResultRows.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/grid/GridTestWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool IsInk(COLORREF c) { return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128; }

// The rows, top and bottom inclusive, where `text` in `font` leaves ink when nothing cuts it.
std::pair<int, int> InkRowsOf(const std::wstring& text, HFONT font) {
    constexpr int kSize = 200;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize * 4, kSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, kSize * 4, kSize};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT box{10, 10, kSize * 4, kSize};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_NOPREFIX);
    int top = kSize, bottom = -1;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize * 4; ++x)
            if (IsInk(GetPixel(dc, x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return {top, bottom};
}

TEST(HighDpi, GridRowsAndCheckBoxesGrowWithTheTextAndNoRowCutsItsText) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, 144) << "run these in the 144-dpi prefix";
    CMainDialog d;
    RunModal(d, [&] {
        CListGrid& grid = d.Commands().resultGrid;
        EXPECT_EQ(grid.Dpi(), 144);
        EXPECT_EQ(grid.RowHeight(), 30);
        EXPECT_EQ(grid.SideHeadingWidth(), 60);
        EXPECT_EQ(d.Commands().folderGrid.RowHeight(), 30);
        // Descenders and an underscore: the letters a short row cuts first.
        const std::u16string label = u"Z:\\jpg_gqy";
        AppendResultRow(grid, u"Z:\\first", u"Z:\\first copy");
        AppendResultRow(grid, label, u"Z:\\second");
        const GridRect cell = grid.CellRect(0, 1); // not the current row: black on white
        const CheckBoxGeometry box = CheckBoxFor(cell, grid.Dpi());
        EXPECT_EQ(box.size, 18);
        EXPECT_EQ(box.y1 - box.y0, 18);

        GridTestWindow::Pump();
        PaintedPart cells(d.ResultWindow().CellArea());
        int top = cell.bottom, bottom = -1;
        for (int y = cell.top; y < cell.bottom; ++y)
            for (int x = box.x1 + grid.Scaled(3); x < cell.right && x < cells.width; ++x)
                if (IsInk(cells.At(x, y))) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        const auto [inkTop, inkBottom] = InkRowsOf(std::wstring(label.begin(), label.end()),
                                                   reinterpret_cast<HFONT>(grid.DefaultFont()));
        ASSERT_GE(bottom, top);
        EXPECT_EQ(bottom - top, inkBottom - inkTop); // every row of the letters' ink is there
        EXPECT_LT(bottom, cell.bottom - 1);          // clear of the grid line below
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
}

} // namespace
