#pragma once

#include "core/platform/IFileSystem.h"
#include "core/scan/CFileIdTable.h"
#include "core/scan/CFileTable.h"
#include "core/scan/IScanProgress.h"

#include <cstdint>
#include <string>
#include <vector>

// How a scan of the source folders ended.
enum class ScanOutcome {
    kComplete,
    kStopped,
    kNothingFound, // no file (no folder, for the empty-folder search) below the sources
    kNoMemory,     // the table for what was counted cannot be had
};

// The two-pass scan of the source folders into the file table: the first walk counts, the
// table is allocated at that count, the second walk fills it, and the table is sorted by size
// (`criterion` 0) or by name key (1 the file name, 2 the name without its extension), paths in
// path order within each. `ids` gets what the listings said of each file's identity. On any
// outcome but kComplete, `table.fileCount` tells whether anything was counted.
ScanOutcome ScanFiles(IFileSystem& fileSystem, IScanProgress& progress,
                      const std::vector<std::u16string>& folders, int32_t criterion,
                      CFileTable& table, CFileIdTable& ids);
