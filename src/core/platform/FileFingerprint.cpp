#include "core/platform/FileFingerprint.h"

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

uint64_t Fingerprint(const std::optional<FileState>& state) {
    if (!state) return 0;
    // Not the volume: an open file does not always tell it, and a file that moved to another
    // volume keeping its index, size and time to the tick is not a case to pay for.
    const uint64_t h = Mix(Mix(Mix(0, state->id.index), state->size), state->lastWrite);
    return h == 0 ? 1 : h;
}
