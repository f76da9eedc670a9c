#include "core/scan/CFileIdTable.h"

#include "core/scan/CPollingCounter.h"

#include <algorithm>
#include <limits>

namespace {

constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

} // namespace

void CFileIdTable::Reserve(uint32_t count) { pathIndices.reserve(count); }

void CFileIdTable::Grow(size_t size) {
    while (chunks.size() << kChunkShift < size)
        chunks.push_back(std::make_unique_for_overwrite<FileId[]>(kChunk));
}

void CFileIdTable::Note(int32_t pathIndex, const std::optional<FileId>& id) {
    if (pathIndex <= 0) return;
    // The pool's indices only grow, so this is an append; any other order still lands in place.
    const auto at = std::lower_bound(pathIndices.begin(), pathIndices.end(), pathIndex);
    const auto k = static_cast<size_t>(at - pathIndices.begin());
    const size_t size = pathIndices.size();
    if (at != pathIndices.end() && *at == pathIndex) {
        if (id) {
            Slot(k) = *id;
            return;
        }
        for (size_t i = k; i + 1 < size; ++i) Slot(i) = Slot(i + 1);
        pathIndices.erase(at);
    } else if (id) {
        Grow(size + 1);
        for (size_t i = size; i > k; --i) Slot(i) = Slot(i - 1);
        Slot(k) = *id;
        pathIndices.insert(at, pathIndex);
    }
}

void CFileIdTable::Clear() {
    std::vector<int32_t>().swap(pathIndices);
    std::vector<std::unique_ptr<FileId[]>>().swap(chunks);
    std::vector<bool>().swap(known);
}

void CFileIdTable::MarkSecondNames(FileRecord* first, FileRecord* last,
                                   const std::function<void()>& poll) {
    CPollingCounter counter(poll);
    const auto records = static_cast<size_t>(last - first);
    const size_t slots = std::max(records, pathIndices.size());
    // Where each identity's record stands in the table; the slots past the noted ones hold none.
    std::vector<uint32_t> positionOf(slots, kNone);
    for (FileRecord* r = first; r != last; ++r) {
        counter.Tick();
        const auto at = std::lower_bound(pathIndices.begin(), pathIndices.end(), r->pathIndex);
        if (r->pathIndex > 0 && at != pathIndices.end() && *at == r->pathIndex)
            positionOf[static_cast<size_t>(at - pathIndices.begin())] =
                static_cast<uint32_t>(r - first);
    }
    // The path indices have served; their memory goes to the order of the identities.
    std::vector<int32_t>().swap(pathIndices);
    {
        std::vector<uint32_t> order;
        order.reserve(slots);
        for (uint32_t k = 0; k < slots; ++k)
            if (positionOf[k] != kNone) order.push_back(k);
        // Equal identities side by side, each run in table order.
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
            counter.Tick();
            const FileId& x = Slot(a);
            const FileId& y = Slot(b);
            if (x.volume != y.volume) return x.volume < y.volume;
            if (x.index != y.index) return x.index < y.index;
            return positionOf[a] < positionOf[b];
        });
        for (size_t i = 1; i < order.size(); ++i)
            if (Slot(order[i]) == Slot(order[i - 1])) first[positionOf[order[i]]].listed = 1;
    }
    // Into table order in place: each identity is moved to its position, and what stood there
    // is moved on in turn.
    Grow(slots);
    for (size_t k = 0; k < slots; ++k) {
        counter.Tick();
        while (positionOf[k] != kNone && positionOf[k] != k) {
            const uint32_t to = positionOf[k];
            std::swap(Slot(k), Slot(to));
            std::swap(positionOf[k], positionOf[to]);
        }
    }
    known.assign(records, false);
    for (size_t p = 0; p < records; ++p) known[p] = positionOf[p] == p;
}

std::optional<FileId> CFileIdTable::At(uint32_t position) const {
    if (position >= known.size() || !known[position] || !chunks[position >> kChunkShift])
        return std::nullopt;
    return Slot(position);
}

void CFileIdTable::ReleaseBefore(uint32_t position) {
    for (size_t c = 0; c < chunks.size() && (c + 1) << kChunkShift <= position; ++c)
        chunks[c].reset();
}
