// The result grid with many rows: appending, painting a screenful, scrolling to the end and
// emptying. Painting goes to a canvas that only counts, so the figures are the model's own.
#include "core/results/ResultRows.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class CountingCanvas : public IGridCanvas {
public:
    void FillRect(const GridRect&, GridColour) override { ++calls; }
    void Line(GridPoint, GridPoint, GridColour, GridPen) override { ++calls; }
    void Text(const GridRect&, const GridRect&, std::u16string_view text, GridFont, GridColour,
              int) override {
        calls += text.size();
    }
    void FocusRect(const GridRect&) override { ++calls; }
    size_t calls = 0;
};

// A view that only takes note, as a window with a deferred scroll-bar update does.
class QuietView : public IGridView {
public:
    void InvalidatePart(GridPart, const GridRect*) override { ++invalidations; }
    void ScrollRangeChanged() override { ++changes; }
    size_t invalidations = 0;
    size_t changes = 0;
};

constexpr int kWidth = 1200, kHeight = 800;

std::u16string PathOf(int i) {
    const std::string digits = std::to_string(i);
    return u"D:\\Photos\\2016\\Holiday\\IMG_" + std::u16string(digits.begin(), digits.end()) +
           u".jpg";
}

void Fill(CListGrid& grid, int rows) {
    for (int i = 0; i < rows; ++i) AppendResultRow(grid, u"D:\\Photos\\anchor.jpg", PathOf(i));
}

struct ResultGrid {
    ResultGrid() {
        grid.SetView(&view);
        grid.SetupHook();
        grid.SetViewSize(kWidth, kHeight);
        SetUpResultGrid(grid, 1);
    }
    QuietView view;
    CListGrid grid;
};

void BM_AppendRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        ResultGrid list;
        Fill(list.grid, rows);
        benchmark::DoNotOptimize(list.grid.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_AppendRows)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The cost of one screenful must not depend on how many rows are stored.
void BM_PaintScreen(benchmark::State& state) {
    ResultGrid list;
    Fill(list.grid, static_cast<int>(state.range(0)));
    list.grid.MoveToRow(list.grid.RowCount() / 2);
    const GridRect all{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        CountingCanvas canvas;
        list.grid.Paint(GridPart::Cells, canvas, all);
        list.grid.Paint(GridPart::SideHeading, canvas,
                        {0, 0, CGridCtrl::kSideHeadingWidth, kHeight});
        list.grid.Paint(GridPart::TopHeading, canvas, {0, 0, kWidth, CGridCtrl::kTopHeadingHeight});
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_PaintScreen)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_ScrollToEndAndPaint(benchmark::State& state) {
    ResultGrid list;
    Fill(list.grid, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        list.grid.OnKeyDown(GridKey::kHome, true);
        list.grid.OnKeyDown(GridKey::kEnd, true);
        CountingCanvas canvas;
        list.grid.Paint(GridPart::Cells, canvas, {0, 0, kWidth, kHeight});
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_ScrollToEndAndPaint)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_TickRightColumn(benchmark::State& state) {
    ResultGrid list;
    Fill(list.grid, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        OnTickRightColumn(list.grid, nullptr);
        OnClearAllTicks(list.grid, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TickRightColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_RemoveAllRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ResultGrid list;
        Fill(list.grid, static_cast<int>(state.range(0)));
        state.ResumeTiming();
        list.grid.RemoveAllRows();
        benchmark::DoNotOptimize(list.grid.RowCount());
    }
}
BENCHMARK(BM_RemoveAllRows)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
