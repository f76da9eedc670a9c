#include "core/grid/CCellStore.h"

#include <utility>

bool CCellStore::MergeInto(int column, int row, CGridCell& cell) const {
    uint32_t at = Head(row);
    while (at != kNone && slab[at].column < column) at = slab[at].next;
    if (at == kNone || slab[at].column != column) return false;
    const Stored& stored = slab[at];
    if (stored.rare != kNone) cell.Merge(rares[stored.rare]);
    if (stored.mask & CGridCell::kText) cell.SetText(strings.View(stored.text));
    if (stored.mask & CGridCell::kLabel) cell.SetLabel(strings.View(stored.label));
    if (stored.mask & CGridCell::kDataType) cell.SetDataType(stored.dataType);
    return true;
}

void CCellStore::Write(int column, int row, const CGridCell& cell) {
    uint32_t* link = &Head(row);
    while (*link != kNone && slab[*link].column < column) link = &slab[*link].next;
    if (*link == kNone || slab[*link].column != column) {
        uint32_t index;
        if (!freeCells.empty()) {
            index = freeCells.back();
            freeCells.pop_back();
            slab[index] = Stored{};
        } else {
            index = static_cast<uint32_t>(slab.size());
            slab.emplace_back();
        }
        slab[index].column = column;
        slab[index].next = *link;
        *link = index;
    }
    Assign(slab[*link], cell);
    if (strings.WantsCompaction()) CompactStrings();
}

void CCellStore::Assign(Stored& stored, const CGridCell& cell) {
    const uint32_t mask = cell.Mask();
    AssignString(stored.text, stored.mask & CGridCell::kText, mask & CGridCell::kText, cell.Text());
    AssignString(stored.label, stored.mask & CGridCell::kLabel, mask & CGridCell::kLabel,
                 cell.Label());
    stored.dataType = cell.DataType();
    if (mask & ~kInlineBits) {
        if (stored.rare == kNone) {
            if (!freeRares.empty()) {
                stored.rare = freeRares.back();
                freeRares.pop_back();
            } else {
                stored.rare = static_cast<uint32_t>(rares.size());
                rares.emplace_back();
            }
        }
        // Only the plain values go out of line; the strings stay in the arena.
        CGridCell& rare = rares[stored.rare];
        rare.ClearMask();
        rare.MergeValues(cell);
    } else if (stored.rare != kNone) {
        freeRares.push_back(stored.rare);
        stored.rare = kNone;
    }
    stored.mask = mask;
}

void CCellStore::AssignString(CStringArena::Ref& ref, bool had, bool has,
                              std::u16string_view value) {
    // Rewriting a cell (a tick) mostly leaves its label as it was: keep it where it is.
    if (had && has && strings.View(ref) == value) return;
    if (had) strings.Release(ref);
    ref = has ? strings.Add(value) : CStringArena::Ref{};
}

void CCellStore::Free(uint32_t index) {
    Stored& stored = slab[index];
    strings.Release(stored.text);
    strings.Release(stored.label);
    if (stored.rare != kNone) freeRares.push_back(stored.rare);
    stored = Stored{};
    freeCells.push_back(index);
}

void CCellStore::FreeChain(uint32_t head) {
    while (head != kNone) {
        const uint32_t next = slab[head].next;
        Free(head);
        head = next;
    }
}

void CCellStore::SetRowCount(int count) {
    const auto n = static_cast<size_t>(count);
    if (n == 0) {
        // An emptied list gives its memory back; only the heading's cells stay.
        std::vector<std::pair<int, CGridCell>> kept;
        for (uint32_t at = heading; at != kNone; at = slab[at].next) {
            kept.emplace_back(slab[at].column, CGridCell{});
            MergeInto(slab[at].column, -1, kept.back().second);
        }
        *this = CCellStore{};
        for (const auto& [column, cell] : kept) Write(column, -1, cell);
        return;
    }
    for (size_t row = n; row < rows.size(); ++row) FreeChain(rows[row]);
    rows.resize(n, kNone);
}

void CCellStore::RemoveRow(int row) {
    FreeChain(Head(row));
    rows.erase(rows.begin() + row);
    if (strings.WantsCompaction()) CompactStrings();
}

void CCellStore::TrimColumns(int count) {
    const auto trim = [this, count](uint32_t& head) {
        uint32_t* link = &head;
        while (*link != kNone && slab[*link].column < count) link = &slab[*link].next;
        FreeChain(*link);
        *link = kNone;
    };
    trim(heading);
    for (uint32_t& head : rows) trim(head);
}

void CCellStore::CompactStrings() {
    std::vector<CStringArena::Ref*> live;
    const auto collect = [this, &live](uint32_t head) {
        for (; head != kNone; head = slab[head].next) {
            live.push_back(&slab[head].text);
            live.push_back(&slab[head].label);
        }
    };
    collect(heading);
    for (uint32_t head : rows) collect(head);
    strings.Compact(live);
}
