// Not a check: shows a filled result list on the screen for a while so that a picture of it
// can be taken. Run with --gtest_also_run_disabled_tests --gtest_filter=GridScreenshot.*
#include "core/results/ResultRows.h"

#include "win32/grid/GridTestWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(GridScreenshot, DISABLED_ShowsAResultGridWithTicksAndAHint) {
    GridTestWindow parent(900, 420, true);
    CListGrid grid;
    CGridWindow window;
    ASSERT_TRUE(window.AttachToControl(grid, parent.Handle(), GridTestWindow::kFrameId));
    CFontHandle font(
        CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体"));
    SetUpResultGrid(grid, reinterpret_cast<GridFont>(font.Get()));
    const std::u16string deep =
        u"Z:\\home\\user\\照片\\2016 年假期\\海边\\第一天\\早上\\非常长的文件夹名称用来测试\\";
    for (int i = 0; i < 24; ++i) {
        std::u16string n(1, static_cast<char16_t>(u'a' + i));
        if (i == 5) {
            AppendResultRow(grid, kEmptyFileLabel, deep + u"空的.txt");
            continue;
        }
        AppendResultRow(grid, deep + u"IMG_0001.jpg", deep + u"副本 IMG_0001 " + n + u".jpg");
    }
    grid.SetTicked(1, 0, true);
    grid.SetTicked(1, 2, true);
    grid.SetTicked(0, 3, true);
    grid.SetCellLabel(0, 3, deep + u"再深一层\\还有一层\\IMG_0001_最终版本_真的最终版本.jpg");
    grid.MoveTo(1, 2);
    grid.FitAllColumns();
    UpdateWindow(parent.Handle());
    POINT p{grid.ColumnLeft(0) + 120, 3 * CGridCtrl::kRowHeight + 10};
    ClientToScreen(window.CellArea(), &p);
    SetCursorPos(p.x, p.y);
    const char* seconds = std::getenv("CORVANE_SHOT_SECONDS");
    const DWORD until = GetTickCount() + 1000 * (seconds ? std::atoi(seconds) : 8);
    while (GetTickCount() < until) {
        GridTestWindow::Pump();
        Sleep(20);
    }
}

} // namespace
