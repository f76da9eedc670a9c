#pragma once

#include "core/grid/CListGrid.h"
#include "core/platform/IFileSystem.h"
#include "core/results/CFoundRows.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

// Whether a ticked item is, right before it is recycled, still what the search found. A file
// must be the same file, as long and as last written as when its row was made; the file a
// duplicate was found to copy (its row's left cell) must be so too, unless it goes as well.
// A folder must still hold nothing but folders that are still empty.
class CFoundCheck {
public:
    CFoundCheck(CListGrid& grid, const CFoundRows& found, IFileSystem& fileSystem)
        : grid(grid), found(found), fileSystem(fileSystem) {}

    bool StillAsFound(int column, int row, const std::u16string& path);

private:
    bool Unchanged(int column, int row, const std::u16string& path);
    // `folder` without a trailing backslash.
    bool StillEmpty(const std::u16string& folder);

    CListGrid& grid;
    const CFoundRows& found;
    IFileSystem& fileSystem;
    // The folders the rows list, and what the test said of those it looked at.
    std::unordered_set<std::u16string> folderRows;
    std::unordered_map<std::u16string, bool> emptyNow;
};
