#include "core/results/CFoundCheck.h"

#include "core/emptyfolders/EmptyFolderTest.h"
#include "core/results/ResultRows.h"

bool CFoundCheck::StillAsFound(int column, int row, const std::u16string& path) {
    const std::optional<std::u16string> left = grid.CellPath(0, row);
    if (column == 1 && left == kEmptyFolderLabel) return StillEmpty(path);
    if (!Unchanged(column, row, path)) return false;
    // A duplicate is one only while the copy it was found equal to is there as it was.
    const bool duplicate = column == 1 && !IsPlaceholderLabel(left);
    return !duplicate || grid.IsTicked(0, row) || Unchanged(0, row, *left);
}

bool CFoundCheck::Unchanged(int column, int row, const std::u16string& path) {
    return found.Unchanged(column, row, fileSystem.State(path));
}

bool CFoundCheck::StillEmpty(const std::u16string& folder) {
    if (folderRows.empty())
        for (int row = 0; row < grid.RowCount(); ++row)
            if (grid.CellPath(0, row) == kEmptyFolderLabel)
                if (auto path = grid.CellPath(1, row)) folderRows.insert(*path);
    if (auto known = emptyNow.find(folder); known != emptyNow.end()) return known->second;
    // A folder inside counts only if the search listed it too and it is still empty; folders
    // are at most half as deep as the path buffer is long, which bounds the recursion.
    const bool empty = HoldsOnlyEmptyFolders(
        fileSystem, folder + u'\\',
        [this](const std::u16string& inner) {
            return folderRows.count(inner) != 0 && StillEmpty(inner);
        },
        [] { return false; });
    emptyNow[folder] = empty;
    return empty;
}
