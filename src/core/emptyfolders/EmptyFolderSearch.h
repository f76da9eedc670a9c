#pragma once

#include "core/platform/IFileSystem.h"
#include "core/scan/CFileTable.h"
#include "core/scan/IScanProgress.h"
#include "core/scan/ScanFiles.h"

#include <string>
#include <string_view>
#include <vector>

// Where the empty-folder search hands what it found.
class IEmptyFolderSink {
public:
    virtual ~IEmptyFolderSink() = default;
    // An empty folder, by its path without the trailing backslash. Whether it is still empty
    // is for deletion to ask afresh.
    virtual void EmptyFolder(std::u16string_view path) = 0;
};

// The empty-folder search: counts and records the folders below the sources into `table`,
// orders them deepest first, and hands each empty one to `sink` in that order. kNothingFound
// means the sources hold no sub-folder; on any outcome but kComplete, `table.fileCount` tells
// whether anything was counted.
ScanOutcome SearchEmptyFolders(IFileSystem& fileSystem, IScanProgress& progress,
                               IEmptyFolderSink& sink, const std::vector<std::u16string>& folders,
                               CFileTable& table);
