#pragma once

#include "core/app/CMainCommands.h"
#include "core/platform/CMemoryFileSystem.h"
#include "core/results/ResultRowsOf.h"
#include "core/scan/ScanPathPool.h"
#include "core/window/CFakeWindow.h"
#include "core/window/ControlIds.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A main window with folders in memory, for the searches' whole flow.
class SearchFixture : public ::testing::Test {
protected:
    SearchFixture() : commands(window, disk) {
        window.buttons = {IDC_NEW_LIST,          IDC_ADD_FOLDER,   IDC_FIND_DUPLICATES,
                          IDC_CHECK_EMPTY,       IDC_DELETE_FILES, IDC_TICK_RIGHT,
                          IDC_CLEAR_TICKS,       IDC_EXPORT,       IDC_DELETE_FOLDERS,
                          IDC_FIND_EMPTY_FOLDERS};
        commands.resultGrid.SetColumnCount(2);
        commands.folderGrid.SetColumnCount(1);
        Settings(0, true);
    }
    ~SearchFixture() override { ScanPathPool().Clear(); }

    void AddSource(std::u16string_view folder) {
        commands.folderGrid.AppendRow();
        commands.folderGrid.SetCellText(0, commands.folderGrid.RowCount() - 1, folder);
    }
    void Settings(int criterion, bool checkEmpty) {
        window.SelectIndex(IDC_CRITERION, criterion);
        window.CheckItem(IDC_CHECK_EMPTY, checkEmpty);
    }
    Rows Search() {
        window.messages.clear();
        commands.OnSearchDuplicates();
        return ResultRows();
    }
    Rows ResultRows() { return RowsOf(commands.resultGrid); }
    std::vector<std::u16string> MessageTexts() const {
        std::vector<std::u16string> texts;
        for (const auto& m : window.messages) texts.push_back(m.first);
        return texts;
    }
    std::u16string Counter(int id) const { return window.ItemText(id); }

    CFakeWindow window;
    CMemoryFileSystem disk;
    CMainCommands commands;
};
