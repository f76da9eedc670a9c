#pragma once

#include "core/grid/CGridCell.h"
#include "core/grid/CStringArena.h"

#include <cstdint>
#include <deque>
#include <vector>

// The cells that were written, row by row. A row is a chain of its written cells, sorted by
// column, in one shared slab: a row costs four bytes, a cell never written costs nothing, and
// swapping or removing rows moves no cell. A stored cell keeps its text and label in the
// store's string arena and the properties a list seldom sets out of line, so a result row of
// two labelled check boxes costs little more than its two paths.
// Row -1 is the top heading and column -1 the side heading.
class CCellStore {
public:
    int RowCount() const { return static_cast<int>(rows.size()); }

    // Adds what was written at (column, row) to `cell`, properties and mask bits; false when
    // nothing was written there.
    bool MergeInto(int column, int row, CGridCell& cell) const;
    // Stores `cell` whole at (column, row), replacing what was there.
    void Write(int column, int row, const CGridCell& cell);

    void SetRowCount(int count);
    void AppendRow() { rows.push_back(kNone); }
    void RemoveRow(int row);
    void SwapRows(int a, int b) { std::swap(Head(a), Head(b)); }
    // Drops every cell of column `count` and beyond.
    void TrimColumns(int count);

private:
    static constexpr uint32_t kNone = UINT32_MAX;
    // Everything but these lives in the cell's out-of-line part, when set at all.
    static constexpr uint32_t kInlineBits =
        CGridCell::kText | CGridCell::kLabel | CGridCell::kDataType;

    struct Stored {
        int column = 0;
        uint32_t next = kNone;
        uint32_t mask = 0;
        uint32_t rare = kNone;
        int16_t dataType = CGridCell::kTypeText;
        CStringArena::Ref text;
        CStringArena::Ref label;
    };

    uint32_t& Head(int row) { return row < 0 ? heading : rows[static_cast<size_t>(row)]; }
    uint32_t Head(int row) const { return row < 0 ? heading : rows[static_cast<size_t>(row)]; }
    void Assign(Stored& stored, const CGridCell& cell);
    void AssignString(CStringArena::Ref& ref, bool had, bool has, std::u16string_view value);
    void Free(uint32_t index);
    void FreeChain(uint32_t head);
    void CompactStrings();

    uint32_t heading = kNone;
    std::vector<uint32_t> rows;
    std::deque<Stored> slab;
    std::vector<uint32_t> freeCells;
    std::vector<CGridCell> rares;
    std::vector<uint32_t> freeRares;
    CStringArena strings;
};
