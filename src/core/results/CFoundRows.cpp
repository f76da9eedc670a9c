#include "core/results/CFoundRows.h"

bool CFoundRows::Unchanged(int column, int row, const std::optional<FileState>& now) const {
    if (row < 0 || static_cast<size_t>(row) >= rows.size() || column < 0 || column > 1)
        return false;
    const uint64_t found = rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    return found != 0 && Fingerprint(now) == found;
}
