#pragma once

#include "core/dupes/CDuplicateSearch.h"
#include "core/platform/CMemoryFileSystem.h"
#include "core/results/CFoundRowSink.h"
#include "core/results/ResultRowsOf.h"
#include "core/scan/CScriptedProgress.h"
#include "core/scan/ScanPathPool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The duplicate search run as an engine over folders in memory, without a window: each
// Search starts afresh, as the window's command does, and leaves its rows, table and fields.
class DuplicateEngine : public ::testing::Test {
protected:
    DuplicateEngine() { grid.SetColumnCount(2); }
    ~DuplicateEngine() override { ScanPathPool().Clear(); }

    void AddSource(std::u16string_view folder) { folders.emplace_back(folder); }
    void Settings(int criterion, bool checkEmpty) {
        settings.criterion = criterion;
        settings.checkEmptyFiles = checkEmpty ? 1 : 0;
    }
    Rows Search() {
        grid.RemoveAllRows();
        prints.Clear();
        ScanPathPool().Clear();
        table.Release();
        ids.Clear();
        duplicates = empties = 0;
        progress.polls = 0;
        progress.examined = 0;
        progress.fields = CFieldsProgress().fields;
        outcome = FindDuplicates(disk, progress, sink, folders, settings, table, ids);
        return RowsOf(grid);
    }
    std::u16string Field(ScanField field) { return progress.Field(field); }

    CMemoryFileSystem disk;
    CScriptedProgress progress;
    DuplicateSettings settings;
    std::vector<std::u16string> folders;
    CFileTable table;
    ScanOutcome outcome = ScanOutcome::kComplete;

private:
    CListGrid grid;
    CFoundRows prints;
    int64_t duplicates = 0, empties = 0;
    CFoundRowSink sink{grid, prints, progress, duplicates, empties};
    CFileIdTable ids;
};
