#pragma once

#include "core/platform/IFileSystem.h"

#include <cstdint>
#include <optional>

// A state in 64 bits, for keeping what many files were at little cost: equal states give
// equal fingerprints, and two different states the same one with odds of one in 2^64 (the
// volume is left out). 0 stands for no state at all, and no state has it.
uint64_t Fingerprint(const std::optional<FileState>& state);
