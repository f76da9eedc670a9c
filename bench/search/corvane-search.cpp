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
// FOLDER is a source folder in the program's own form (Z:\tmp\x), or an absolute Unix path,
// which becomes that form. The engines run as the window runs them, without a window: OUT.txt
// receives what exporting the result list writes (no file when there are no rows); standard
// output gets how the search ended (complete, stopped, nothing-found, no-memory) and the
// counters as the window would show them at the end.
#include "core/dupes/CDuplicateSearch.h"
#include "core/emptyfolders/EmptyFolderSearch.h"
#include "core/platform/CPosixFileSystem.h"
#include "core/results/CFoundRowSink.h"
#include "core/results/ExportList.h"
#include "core/scan/CFieldsProgress.h"
#include "core/text/Utf8.h"

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
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

const char* OutcomeName(ScanOutcome outcome) {
    switch (outcome) {
    case ScanOutcome::kComplete: return "complete";
    case ScanOutcome::kStopped: return "stopped";
    case ScanOutcome::kNothingFound: return "nothing-found";
    case ScanOutcome::kNoMemory: return "no-memory";
    }
    return "?";
}

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
    // Blocks from 512 KiB up are mapped and given back when freed, as the Windows heap does with
    // blocks that size; glibc would otherwise raise that line after each large block freed (a
    // sort's buffer, a large run's working memory) and keep the smaller blocks it then lends
    // from the heap, which on a million files leaves 8 MB resident that the program frees.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
    if (argc == 3 && std::strcmp(argv[1], "floor") == 0) return Floor(argv[2]);
    const bool pairwise = argc >= 6 && std::strcmp(argv[1], "pairwise") == 0;
    const bool dups = pairwise || (argc >= 6 && std::strcmp(argv[1], "dups") == 0);
    const bool emptyFolders = argc >= 4 && std::strcmp(argv[1], "emptyfolders") == 0;
    if (!dups && !emptyFolders) return Usage();
    const int criterion = dups ? std::atoi(argv[2]) : 0;
    if (criterion < 0 || criterion > 2) return Usage();
    const char* out = argv[dups ? 4 : 2];
    const int firstFolder = dups ? 5 : 3;

    std::vector<std::u16string> folders;
    for (int i = firstFolder; i < argc; ++i) folders.push_back(FolderRow(argv[i]));
    CPosixFileSystem fileSystem;
    CFieldsProgress progress;
    // The rows live in a grid, as in the window, so that the memory measured is the window's.
    CListGrid grid;
    grid.SetColumnCount(2);
    CFoundRows prints;
    int64_t duplicates = 0, empties = 0;
    CFoundRowSink sink(grid, prints, progress, duplicates, empties);
    CFileTable table;
    CFileIdTable ids;
    ScanOutcome outcome = ScanOutcome::kComplete;
    try {
        if (emptyFolders) {
            outcome = SearchEmptyFolders(fileSystem, progress, sink, folders, table);
        } else {
            const DuplicateSettings settings{
                criterion, std::atoi(argv[3]) != 0 ? 1 : 0, {}, pairwise ? 1 : 0};
            outcome = FindDuplicates(fileSystem, progress, sink, folders, settings, table, ids);
        }
    } catch (const std::bad_alloc&) {
        outcome = ScanOutcome::kNoMemory;
    }

    std::cout << "OUTCOME " << OutcomeName(outcome) << '\n';
    std::cout << "COUNTERS examined=" << Escaped(progress.Field(ScanField::kExamined))
              << " duplicates=" << Escaped(progress.Field(ScanField::kDuplicates))
              << " empty=" << Escaped(progress.Field(ScanField::kEmpty))
              << " total=" << Escaped(progress.Field(ScanField::kTotal)) << '\n';
    std::remove(out);
    if (grid.RowCount() > 0 && !WriteExport(grid, out)) {
        std::cerr << "cannot write " << out << '\n';
        return 1;
    }
    return 0;
}
