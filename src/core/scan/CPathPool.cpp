#include "core/scan/CPathPool.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr uint32_t kFirstText = 4096;
constexpr uint32_t kFirstEntries = 1024;

// Grows `block` to hold `wanted` elements, doubling so that a whole drive of paths costs
// amortised constant time per Add. The block is left as it was when memory runs out.
template <class T> bool GrowTo(T*& block, uint32_t& capacity, uint64_t wanted, uint32_t first) {
    if (wanted <= capacity) return true;
    uint64_t next = capacity ? capacity : first;
    while (next < wanted) next *= 2;
    const uint64_t limit = std::numeric_limits<uint32_t>::max();
    if (next > limit) next = limit;
    if (next < wanted) return false;
    void* moved = std::realloc(block, static_cast<size_t>(next) * sizeof(T));
    if (!moved) return false;
    block = static_cast<T*>(moved);
    capacity = static_cast<uint32_t>(next);
    return true;
}

} // namespace

int32_t CPathPool::Add(const char16_t* s) {
    if (!s) return kNoString;
    const size_t n = std::char_traits<char16_t>::length(s);
    if (n > kMaxLength) return kTooLong;
    // Indices are signed 32-bit on the way out, so the count stops there.
    if (count >= static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return kNoMemory;
    if (!GrowTo(text, textCapacity, uint64_t{textUsed} + n + 1, kFirstText) ||
        !GrowTo(entries, entryCapacity, uint64_t{count} + 1, kFirstEntries))
        return kNoMemory;
    std::memcpy(text + textUsed, s, (n + 1) * sizeof(char16_t));
    entries[count] = textUsed;
    textUsed += static_cast<uint32_t>(n + 1);
    return static_cast<int32_t>(++count);
}

const char16_t* CPathPool::Get(int32_t index) const {
    // Negative indices (-1 and -2 among them) are huge as unsigned and fail the count test.
    const uint32_t i = static_cast<uint32_t>(index);
    if (i == 0 || i > count) return nullptr;
    return text + entries[i - 1];
}

void CPathPool::Clear() {
    std::free(text);
    std::free(entries);
    text = nullptr;
    entries = nullptr;
    textUsed = textCapacity = count = entryCapacity = 0;
}
