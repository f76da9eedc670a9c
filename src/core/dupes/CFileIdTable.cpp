#include "core/dupes/CFileIdTable.h"

#include <algorithm>
#include <limits>

void CFileIdTable::Reserve(uint32_t count) {
    pathIndices.reserve(count);
    ids.reserve(count);
}

void CFileIdTable::Note(int32_t pathIndex, const std::optional<FileId>& id) {
    if (pathIndex <= 0) return;
    // The pool's indices only grow, so this is an append; any other order still lands in place.
    const auto at = std::lower_bound(pathIndices.begin(), pathIndices.end(), pathIndex);
    const auto k = at - pathIndices.begin();
    if (at != pathIndices.end() && *at == pathIndex) {
        if (id) {
            ids[static_cast<size_t>(k)] = *id;
        } else {
            pathIndices.erase(at);
            ids.erase(ids.begin() + k);
        }
    } else if (id) {
        pathIndices.insert(at, pathIndex);
        ids.insert(ids.begin() + k, *id);
    }
}

void CFileIdTable::Clear() {
    std::vector<int32_t>().swap(pathIndices);
    std::vector<FileId>().swap(ids);
}

void CFileIdTable::MarkSecondNames(FileRecord* first, FileRecord* last) {
    constexpr uint32_t kNotInTable = std::numeric_limits<uint32_t>::max();
    std::vector<uint32_t> positionOf(ids.size(), kNotInTable);
    for (FileRecord* r = first; r != last; ++r) {
        const auto at = std::lower_bound(pathIndices.begin(), pathIndices.end(), r->pathIndex);
        if (r->pathIndex > 0 && at != pathIndices.end() && *at == r->pathIndex)
            positionOf[static_cast<size_t>(at - pathIndices.begin())] =
                static_cast<uint32_t>(r - first);
    }
    std::vector<uint32_t> order;
    order.reserve(ids.size());
    for (uint32_t k = 0; k < ids.size(); ++k)
        if (positionOf[k] != kNotInTable) order.push_back(k);
    // Equal identities side by side, each run in table order.
    std::sort(order.begin(), order.end(), [this, &positionOf](uint32_t a, uint32_t b) {
        const FileId& x = ids[a];
        const FileId& y = ids[b];
        if (x.volume != y.volume) return x.volume < y.volume;
        if (x.index != y.index) return x.index < y.index;
        return positionOf[a] < positionOf[b];
    });
    for (size_t i = 1; i < order.size(); ++i)
        if (ids[order[i]] == ids[order[i - 1]]) first[positionOf[order[i]]].listed = 1;
}

std::optional<FileId> CFileIdTable::Find(int32_t pathIndex) const {
    const auto at = std::lower_bound(pathIndices.begin(), pathIndices.end(), pathIndex);
    if (at == pathIndices.end() || *at != pathIndex) return std::nullopt;
    return ids[static_cast<size_t>(at - pathIndices.begin())];
}
