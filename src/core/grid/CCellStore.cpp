#include "core/grid/CCellStore.h"

#include <algorithm>

namespace {

template <class Cells> auto LowerBound(Cells& cells, int column) {
    return std::lower_bound(cells.begin(), cells.end(), column,
                            [](const auto& entry, int c) { return entry.first < c; });
}

} // namespace

const CGridCell* CCellStore::Find(int column, int row) const {
    const Cells& cells = Row(row);
    auto it = LowerBound(cells, column);
    return it != cells.end() && it->first == column ? &it->second : nullptr;
}

void CCellStore::Write(int column, int row, const CGridCell& cell) {
    Cells& cells = Row(row);
    auto it = LowerBound(cells, column);
    if (it != cells.end() && it->first == column)
        it->second.Replace(cell);
    else
        cells.emplace(it, column, cell);
}

void CCellStore::TrimColumns(int count) {
    auto trim = [count](Cells& cells) { cells.erase(LowerBound(cells, count), cells.end()); };
    trim(heading);
    for (Cells& cells : rows) trim(cells);
}
