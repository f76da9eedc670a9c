// The searches of the window, run natively over real folders: for benchmarks, comparisons
// with other finders, and differential tests of faster code against the literal passes.
//
//   corvane-search dups CRITERION CHECKEMPTY OUT.txt FOLDER...
//   corvane-search emptyfolders OUT.txt FOLDER...
//
// FOLDER is a row of the folder list in the program's own form (Z:\tmp\x), or an absolute Unix
// path, which becomes that form. OUT.txt receives what exporting the result list writes (no
// file when there are no rows); standard output gets one line per message box before the
// summary, the summary (or NONE) and the final counters.
#include "core/app/CCommandWindow.h"
#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/platform/CPosixFileSystem.h"
#include "core/results/ExportList.h"
#include "core/text/Utf8.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

namespace {

std::string Escaped(std::u16string_view text) {
    std::string out;
    for (char c : Utf8FromUtf16(text)) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

// The window as a console: fields are remembered, message boxes are printed and answered OK.
class CConsoleWindow : public CCommandWindow {
public:
    std::map<int, std::u16string> texts;
    std::map<int, int> selected;
    std::map<int, bool> checked;
    bool summaryShown = false;

    std::u16string ItemText(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? std::u16string() : it->second;
    }
    void SetItemText(int id, std::u16string_view text) override { texts[id] = text; }
    bool IsItemEnabled(int) const override { return true; }
    void EnableItem(int, bool) override {}
    bool IsItemChecked(int id) const override { return checked.count(id) && checked.at(id); }
    void CheckItem(int id, bool on) override { checked[id] = on; }
    int SelectedIndex(int id) const override { return selected.count(id) ? selected.at(id) : 0; }
    void SelectIndex(int id, int index) override { selected[id] = index; }
    void SetButtonsEnabled(bool) override {}
    int ShowMessage(std::u16string_view text, unsigned) override {
        if (topmost) {
            std::cout << Escaped(text) << '\n';
            summaryShown = true;
        } else {
            std::cout << "MESSAGE: " << Escaped(text) << '\n';
        }
        return 1;
    }
    void PumpMessages() override {}
    void BringToFront() override {}
    void PostCommand(int) override {}
    void SetWaitCursor(bool) override {}
    void FocusItem(int) override {}
    void SetTopmost(bool on) override { topmost = on; }
    IRecycleShell& RecycleShell() override { std::abort(); } // nothing is deleted here
    bool ChooseSaveFile(std::u16string&) override { return false; }
    bool OpenPath(const std::u16string&) override { return false; }

private:
    bool topmost = false; // the summary is the box shown while the window stays on top
};

std::u16string FolderRow(const char* arg) {
    if (arg[0] == '/') return CPosixFileSystem::FromUnix(arg);
    return Utf16FromUtf8(arg);
}

// Exactly the bytes the window's export writes for the same rows.
bool WriteExport(CListGrid& grid, const char* file) {
    std::string bytes(kExportByteOrderMark, sizeof kExportByteOrderMark);
    for (int row = 0; row < grid.RowCount(); ++row)
        AppendExportLine(bytes, grid.CellPath(0, row), grid.CellPath(1, row));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Usage() {
    std::cerr << "usage: corvane-search dups CRITERION(0|1|2) CHECKEMPTY(0|1) OUT.txt FOLDER...\n"
                 "       corvane-search emptyfolders OUT.txt FOLDER...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const bool dups = argc >= 6 && std::strcmp(argv[1], "dups") == 0;
    const bool emptyFolders = argc >= 4 && std::strcmp(argv[1], "emptyfolders") == 0;
    if (!dups && !emptyFolders) return Usage();
    const int criterion = dups ? std::atoi(argv[2]) : 0;
    if (criterion < 0 || criterion > 2) return Usage();
    const char* out = argv[dups ? 4 : 2];
    const int firstFolder = dups ? 5 : 3;

    CConsoleWindow window;
    CPosixFileSystem fileSystem;
    CMainCommands commands(window, fileSystem);
    commands.resultGrid.SetColumnCount(2);
    commands.folderGrid.SetColumnCount(1);
    for (int i = firstFolder; i < argc; ++i) {
        commands.folderGrid.AppendRow();
        commands.folderGrid.SetCellText(0, commands.folderGrid.RowCount() - 1, FolderRow(argv[i]));
    }
    window.SelectIndex(IDC_CRITERION, criterion);
    window.CheckItem(IDC_CHECK_EMPTY, dups && std::atoi(argv[3]) != 0);

    if (dups)
        commands.OnSearchDuplicates();
    else
        commands.OnSearchEmptyFolders();

    if (!window.summaryShown) std::cout << "NONE\n";
    std::cout << "COUNTERS examined=" << Escaped(window.ItemText(IDC_EXAMINED))
              << " duplicates=" << Escaped(window.ItemText(IDC_DUPLICATES))
              << " empty=" << Escaped(window.ItemText(IDC_EMPTY))
              << " total=" << Escaped(window.ItemText(IDC_TOTAL)) << '\n';
    std::remove(out);
    if (commands.resultGrid.RowCount() > 0 && !WriteExport(commands.resultGrid, out)) {
        std::cerr << "cannot write " << out << '\n';
        return 1;
    }
    return 0;
}
