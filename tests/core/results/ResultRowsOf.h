#pragma once

#include "core/grid/CListGrid.h"

#include <string>
#include <utility>
#include <vector>

// The result list as (left label, right label) pairs, for comparing whole lists in tests; a
// missing label reads "?".
using Row = std::pair<std::u16string, std::u16string>;
using Rows = std::vector<Row>;

inline Rows RowsOf(CListGrid& grid) {
    Rows rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.emplace_back(grid.CellPath(0, r).value_or(u"?"), grid.CellPath(1, r).value_or(u"?"));
    return rows;
}
