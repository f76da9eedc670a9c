#include "core/results/CFoundRows.h"

namespace {

// One round of a strong 64-bit mixer: every bit of the input reaches every bit of the output.
uint64_t Mix(uint64_t h, uint64_t value) {
    h ^= value + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 31);
}

} // namespace

uint64_t CFoundRows::Fingerprint(const std::optional<FileState>& state) {
    if (!state) return kNone;
    uint64_t h =
        Mix(Mix(Mix(Mix(0, state->id.volume), state->id.index), state->size), state->lastWrite);
    return h == kNone ? 1 : h;
}

void CFoundRows::Append(const std::optional<FileState>& left,
                        const std::optional<FileState>& right) {
    rows.push_back({Fingerprint(left), Fingerprint(right)});
}

bool CFoundRows::Unchanged(int column, int row, const std::optional<FileState>& now) const {
    if (row < 0 || static_cast<size_t>(row) >= rows.size() || column < 0 || column > 1)
        return false;
    const uint64_t found = rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    return found != kNone && Fingerprint(now) == found;
}
