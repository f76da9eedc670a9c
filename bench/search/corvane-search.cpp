// The searches of the window, run natively over real folders: for benchmarks, comparisons
// with other finders, and differential tests of faster code against the literal passes.
//
//   corvane-search dups CRITERION CHECKEMPTY OUT.txt FOLDER...
//   corvane-search pairwise CRITERION CHECKEMPTY OUT.txt FOLDER...   (the literal pass)
//   corvane-search emptyfolders OUT.txt FOLDER...
//   corvane-search floor UNIXFOLDER
//
// The floor is what no content search can do without: one walk, the first block of every
// file whose size another file shares, the whole of every file whose first block matches
// another's. It prints the files and bytes it read.
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

#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

void WalkUnix(const std::string& folder, std::vector<std::pair<std::string, off_t>>& files) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* d = readdir(dir)) {
        if (d->d_name[0] == '.' && (!d->d_name[1] || (d->d_name[1] == '.' && !d->d_name[2])))
            continue;
        struct stat st;
        if (fstatat(dirfd(dir), d->d_name, &st, 0) != 0) continue;
        const std::string path = folder + "/" + d->d_name;
        if (S_ISDIR(st.st_mode))
            WalkUnix(path, files);
        else if (st.st_size > 0)
            files.emplace_back(path, st.st_size);
    }
    closedir(dir);
}

int Floor(const char* root) {
    std::vector<std::pair<std::string, off_t>> files;
    WalkUnix(root, files);
    std::unordered_map<off_t, std::vector<size_t>> bySize;
    for (size_t i = 0; i < files.size(); ++i) bySize[files[i].second].push_back(i);
    std::vector<char> block(65536);
    uint64_t opened = 0, bytes = 0;
    for (auto& [size, members] : bySize) {
        if (members.size() < 2) continue;
        std::unordered_map<std::string, std::vector<size_t>> byFirst;
        for (size_t m : members) {
            const int fd = open(files[m].first.c_str(), O_RDONLY);
            if (fd < 0) continue;
            ++opened;
            const ssize_t n = read(fd, block.data(), block.size());
            close(fd);
            if (n <= 0) continue;
            bytes += static_cast<uint64_t>(n);
            byFirst[std::string(block.data(), static_cast<size_t>(n))].push_back(m);
        }
        for (auto& [first, same] : byFirst) {
            if (same.size() < 2 || size <= static_cast<off_t>(block.size())) continue;
            for (size_t m : same) { // the open again is cheap natively; the bytes are not
                const int fd = open(files[m].first.c_str(), O_RDONLY);
                if (fd < 0) continue;
                lseek(fd, static_cast<off_t>(block.size()), SEEK_SET);
                for (ssize_t n; (n = read(fd, block.data(), block.size())) > 0;)
                    bytes += static_cast<uint64_t>(n);
                close(fd);
            }
        }
    }
    std::cout << "floor: " << files.size() << " files walked, " << opened << " opened, " << bytes
              << " bytes read\n";
    return 0;
}

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
    std::optional<std::u16string> BrowseForFolder(std::u16string_view, std::u16string_view,
                                                  std::u16string_view) override {
        return std::nullopt;
    }
    uint64_t Milliseconds() override {
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }

private:
    bool topmost = false; // the summary is the box shown while the window stays on top
};

std::u16string FolderRow(const char* arg) {
    if (arg[0] == '/') return CPosixFileSystem::FromUnix(arg);
    return Utf16FromUtf8(arg);
}

// Exactly the bytes the window's export writes for the same rows.
// Written in blocks as the window writes it, so that the list never sits in memory twice and
// the peak memory measured is the search's own.
bool WriteExport(CListGrid& grid, const char* file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::string bytes(kExportByteOrderMark, sizeof kExportByteOrderMark);
    for (int row = 0; row < grid.RowCount(); ++row) {
        AppendExportLine(bytes, grid.CellPath(0, row), grid.CellPath(1, row));
        if (bytes.size() >= 64 * 1024) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            bytes.clear();
        }
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Usage() {
    std::cerr
        << "usage: corvane-search dups CRITERION(0|1|2) CHECKEMPTY(0|1) OUT.txt FOLDER...\n"
           "       corvane-search pairwise CRITERION(0|1|2) CHECKEMPTY(0|1) OUT.txt FOLDER...\n"
           "       corvane-search emptyfolders OUT.txt FOLDER...\n"
           "       corvane-search floor UNIXFOLDER\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "floor") == 0) return Floor(argv[2]);
    const bool pairwise = argc >= 6 && std::strcmp(argv[1], "pairwise") == 0;
    const bool dups = pairwise || (argc >= 6 && std::strcmp(argv[1], "dups") == 0);
    const bool emptyFolders = argc >= 4 && std::strcmp(argv[1], "emptyfolders") == 0;
    if (!dups && !emptyFolders) return Usage();
    const int criterion = dups ? std::atoi(argv[2]) : 0;
    if (criterion < 0 || criterion > 2) return Usage();
    const char* out = argv[dups ? 4 : 2];
    const int firstFolder = dups ? 5 : 3;

    CConsoleWindow window;
    CPosixFileSystem fileSystem;
    CMainCommands commands(window, fileSystem);
    commands.pairwiseContent = pairwise ? 1 : 0;
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
