#pragma once

#include "core/platform/FileFingerprint.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// What the files of each result row were when the search made the row, so that deleting can
// tell whether a file is still what was found. A cell keeps the fingerprint of its file's
// volume, index, size and last-write time: a row costs 16 bytes whatever its paths, and a
// changed file passes for unchanged only if its new state collides with the old one (odds of
// one in 2^64). Rows the search made without a file (a placeholder, a folder) keep none.
// Records are appended and cleared with the rows; were the two ever to part, a cell would be
// held against another file's record, and stay where it is.
class CFoundRows {
public:
    // Fingerprints of the two cells' files, 0 for none.
    void Append(uint64_t left, uint64_t right) { rows.push_back({left, right}); }
    void Clear() { std::vector<std::array<uint64_t, 2>>().swap(rows); }
    size_t Count() const { return rows.size(); }
    size_t Bytes() const { return rows.capacity() * sizeof rows[0]; }
    // Whether the cell's file was recorded and is `now` what it was then.
    bool Unchanged(int column, int row, const std::optional<FileState>& now) const;

private:
    std::vector<std::array<uint64_t, 2>> rows;
};
