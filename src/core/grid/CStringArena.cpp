#include "core/grid/CStringArena.h"

#include <algorithm>
#include <cstring>
#include <new>

CStringArena::Ref CStringArena::Add(std::u16string_view text) {
    if (text.size() > UINT32_MAX) throw std::bad_alloc();
    Ref ref;
    ref.length = static_cast<uint32_t>(text.size());
    if (ref.Inline()) {
        std::copy(text.begin(), text.end(), ref.units);
        return ref;
    }
    for (const Ref& r : recent)
        if (r.length == ref.length && View(r) == text) return r;
    ref.at = Allocate(text);
    recent[nextRecent] = ref;
    nextRecent = (nextRecent + 1) % kRecent;
    return ref;
}

CStringArena::Place CStringArena::Allocate(std::u16string_view text) {
    const auto length = static_cast<uint32_t>(text.size());
    if (blocks.empty() || blocks.back().size - blocks.back().used < length) {
        if (blocks.size() >= UINT32_MAX) throw std::bad_alloc();
        // A string longer than a block gets one of its own.
        const uint32_t size = std::max(length, kBlockUnits);
        blocks.push_back({std::make_unique_for_overwrite<char16_t[]>(size), size, 0});
    }
    Block& block = blocks.back();
    std::memcpy(block.units.get() + block.used, text.data(), length * sizeof(char16_t));
    const Place place{static_cast<uint32_t>(blocks.size() - 1), block.used};
    block.used += length;
    held += length;
    return place;
}

std::u16string_view CStringArena::View(const Ref& ref) const {
    if (ref.Inline()) return {ref.units, ref.length};
    return {blocks[ref.at.block].units.get() + ref.at.offset, ref.length};
}

void CStringArena::Release(const Ref& ref) {
    // A string shared with another cell counts as released too; that only compacts sooner.
    if (!ref.Inline()) released += ref.length;
}

bool CStringArena::WantsCompaction() const {
    return released > kBlockUnits && released > held - std::min(held, released);
}

void CStringArena::Compact(const std::vector<Ref*>& live) {
    std::vector<Ref*> order;
    order.reserve(live.size());
    for (Ref* ref : live)
        if (!ref->Inline()) order.push_back(ref);
    const auto before = [](const Ref* a, const Ref* b) {
        return a->at.block != b->at.block ? a->at.block < b->at.block : a->at.offset < b->at.offset;
    };
    std::sort(order.begin(), order.end(), before);
    CStringArena fresh;
    // Sorted, a shared string's references stand side by side.
    bool any = false;
    Ref previousOld, previousNew;
    for (Ref* ref : order) {
        if (any && !before(&previousOld, ref)) {
            *ref = previousNew;
            continue;
        }
        any = true;
        previousOld = *ref;
        ref->at = fresh.Allocate(View(*ref));
        previousNew = *ref;
    }
    blocks = std::move(fresh.blocks);
    held = fresh.held;
    released = 0;
    std::fill(std::begin(recent), std::end(recent), Ref{});
    nextRecent = 0;
}

void CStringArena::Clear() {
    blocks.clear();
    blocks.shrink_to_fit();
    held = released = 0;
    std::fill(std::begin(recent), std::end(recent), Ref{});
    nextRecent = 0;
}
