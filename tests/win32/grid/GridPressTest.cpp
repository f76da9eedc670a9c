// A click on any row that shows, the partly shown last one included, ticks that row and no
// other, in the real grid window.
#include "core/results/ResultRows.h"

#include "win32/grid/GridTestWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GridPress, AClickOnAnyVisibleRowTicksThatRow) {
    GridTestWindow parent(440, 301);
    CListGrid grid;
    CGridWindow window;
    ASSERT_TRUE(window.AttachToControl(grid, parent.Handle(), GridTestWindow::kFrameId));
    SetUpResultGrid(grid, reinterpret_cast<GridFont>(GetStockObject(DEFAULT_GUI_FONT)));
    for (int i = 0; i < 40; ++i)
        AppendResultRow(grid, u"Z:\\a\\" + std::u16string(1, u'a' + i % 26), u"Z:\\b");
    GridTestWindow::Pump();
    RECT cells;
    GetClientRect(window.CellArea(), &cells);
    ASSERT_NE(cells.bottom % CGridCtrl::kRowHeight, 0) << "no partly shown row to try";
    for (int top : {0, 5}) {
        grid.SetTopRow(top);
        for (int row = top; row < grid.LastVisibleRow(); ++row) {
            const GridRect r = grid.CellRect(0, row);
            const LPARAM at = MAKELPARAM(r.left + 9, r.top + 6); // inside the box, upper half
            SendMessageW(window.CellArea(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(window.CellArea(), WM_LBUTTONUP, 0, at);
            for (int other = 0; other < grid.RowCount(); ++other)
                ASSERT_EQ(grid.IsTicked(0, other), other == row) << "clicked " << row;
            grid.SetTicked(0, row, false);
        }
    }
}

} // namespace
