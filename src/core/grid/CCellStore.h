#pragma once

#include "core/grid/CGridCell.h"

#include <utility>
#include <vector>

// The cells that were written, row by row. A row holds only its written cells, sorted by
// column, so appending a row allocates nothing and a cell never written costs nothing.
// Row -1 is the top heading and column -1 the side heading.
class CCellStore {
public:
    int RowCount() const { return static_cast<int>(rows.size()); }

    // The stored cell, or nullptr when nothing was written there.
    const CGridCell* Find(int column, int row) const;
    void Write(int column, int row, const CGridCell& cell);

    void SetRowCount(int count) { rows.resize(static_cast<size_t>(count)); }
    void AppendRow() { rows.emplace_back(); }
    void RemoveRow(int row) { rows.erase(rows.begin() + row); }
    void SwapRows(int a, int b) { std::swap(Row(a), Row(b)); }
    // Drops every cell of column `count` and beyond.
    void TrimColumns(int count);

private:
    using Cells = std::vector<std::pair<int, CGridCell>>;

    Cells& Row(int row) { return row < 0 ? heading : rows[static_cast<size_t>(row)]; }
    const Cells& Row(int row) const { return row < 0 ? heading : rows[static_cast<size_t>(row)]; }

    Cells heading;
    std::vector<Cells> rows;
};
