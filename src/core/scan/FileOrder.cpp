#include "core/scan/FileOrder.h"

#include "core/scan/CPollingCounter.h"
#include "core/scan/ComparePaths.h"
#include "core/scan/NaturalCompare.h"
#include "core/scan/ScanPathPool.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

int ByFolderThenPath(const FileRecord& a, const FileRecord& b) {
    if (a.folderIndex != b.folderIndex) return a.folderIndex < b.folderIndex ? -1 : 1;
    const CPathPool& pool = ScanPathPool();
    return ComparePaths(pool.Get(a.pathIndex), pool.Get(b.pathIndex));
}

int SizeOrder(const FileRecord& a, const FileRecord& b) {
    if (a.sizeHigh != b.sizeHigh) return a.sizeHigh > b.sizeHigh ? -1 : 1;
    if (a.sizeLow != b.sizeLow) return a.sizeLow > b.sizeLow ? -1 : 1;
    return 0;
}

// Path order through the files' folders. Two files whose folders are not one within the other
// are in the order of their folders, which is known once the few thousand folders of a drive
// are sorted; only files of one folder compare their names, and only a file against one below
// its own folder compares whole paths. A drive's table sorts by size and path this way at the
// cost of a sort by numbers, where comparing whole paths scattered over the pool costs seconds.
class CFolderOrder {
public:
    // False when some record has no path in a folder; then the order knows nothing.
    bool Build(const FileRecord* first, const FileRecord* last, const CPathPool& pool,
               CPollingCounter& counter) {
        this->pool = &pool;
        folderOf.assign(size_t{pool.Count()} + 1, 0);
        std::unordered_map<std::u16string_view, uint32_t> byPath;
        std::u16string_view previous;
        uint32_t id = 0;
        for (const FileRecord* r = first; r != last; ++r) {
            counter.Tick();
            const char16_t* text = pool.Get(r->pathIndex);
            if (!text) return false;
            const std::u16string_view path(text);
            const size_t cut = path.find_last_of(u"\\/") + 1; // npos + 1 is 0: no folder
            if (cut == 0) return false;
            // A walk lists a folder's files one after another: most files find the last one.
            if (const std::u16string_view folder = path.substr(0, cut); folder != previous) {
                const auto [at, added] =
                    byPath.try_emplace(folder, static_cast<uint32_t>(folders.size()));
                if (added) folders.push_back(Folder{std::u16string(folder), 0});
                previous = folder;
                id = at->second;
            }
            folderOf[static_cast<uint32_t>(r->pathIndex)] = id;
        }

        // Folders are numbered in path order, which enters each folder before what lies below
        // it, so the folders below one follow it without a gap. Folders the order cannot tell
        // apart (D:\\a\\ and D:\\A\\) count as below each other.
        std::vector<uint32_t> sorted(folders.size());
        for (uint32_t i = 0; i < sorted.size(); ++i) sorted[i] = i;
        std::stable_sort(sorted.begin(), sorted.end(), [&](uint32_t a, uint32_t b) {
            counter.Tick();
            return ComparePaths(folders[a].path.c_str(), folders[b].path.c_str()) < 0;
        });
        const auto count = static_cast<uint32_t>(sorted.size());
        for (uint32_t c = 0; c < count; ++c) folders[sorted[c]].cls = c;
        const auto pathOf = [&](uint32_t c) { return folders[sorted[c]].path.c_str(); };
        belowEnd.assign(count, count);
        std::vector<uint32_t> open;
        for (uint32_t c = 0; c < count; ++c) {
            while (!open.empty() && !PathIsWithin(pathOf(open.back()), pathOf(c))) {
                counter.Tick();
                belowEnd[open.back()] = c;
                open.pop_back();
            }
            open.push_back(c);
        }
        return true;
    }

    // ComparePaths of the paths with these pool indices.
    int Compare(int32_t a, int32_t b) const {
        const Folder& fa = folders[folderOf[static_cast<uint32_t>(a)]];
        const Folder& fb = folders[folderOf[static_cast<uint32_t>(b)]];
        if (fa.cls == fb.cls)
            return ComparePaths(pool->Get(a) + fa.path.size(), pool->Get(b) + fb.path.size());
        if (fa.cls < fb.cls ? fb.cls < belowEnd[fa.cls] : fa.cls < belowEnd[fb.cls])
            return ComparePaths(pool->Get(a), pool->Get(b));
        return fa.cls < fb.cls ? -1 : 1;
    }

private:
    struct Folder {
        std::u16string path; // with its last separator
        uint32_t cls;
    };
    const CPathPool* pool = nullptr;
    std::vector<Folder> folders;
    std::vector<uint32_t> folderOf; // by pool index
    std::vector<uint32_t> belowEnd; // by class: the first class after those below it
};

} // namespace

int CompareBySize(const FileRecord& a, const FileRecord& b) {
    if (const int bySize = SizeOrder(a, b)) return bySize;
    return ByFolderThenPath(a, b);
}

int CompareByName(const FileRecord& a, const FileRecord& b) {
    const CPathPool& pool = ScanPathPool();
    const char16_t* keyA = pool.Get(a.nameIndex);
    const char16_t* keyB = pool.Get(b.nameIndex);
    // A key the pool refused sorts first, as an absent string does in the program's own order;
    // the platform's comparison is never handed a missing string.
    if (!keyA || !keyB) {
        if (keyA != keyB) return keyA ? 1 : -1;
    } else if (const int byKey = NaturalCompare(keyA, keyB); byKey != 0) {
        return byKey;
    }
    return ByFolderThenPath(a, b);
}

void SortFileTable(FileRecord* first, FileRecord* last,
                   int (*compare)(const FileRecord&, const FileRecord&),
                   const std::function<void()>& poll) {
    CPollingCounter counter(poll);
    // A merge sort: whatever the platform's string order answers, it cannot step outside the
    // table, and records the order cannot tell apart keep their walk order.
    if (compare == CompareBySize) {
        CFolderOrder byPath;
        if (byPath.Build(first, last, ScanPathPool(), counter)) {
            std::stable_sort(first, last, [&](const FileRecord& a, const FileRecord& b) {
                counter.Tick();
                if (const int bySize = SizeOrder(a, b)) return bySize < 0;
                if (a.folderIndex != b.folderIndex) return a.folderIndex < b.folderIndex;
                return byPath.Compare(a.pathIndex, b.pathIndex) < 0;
            });
            return;
        }
    }
    std::stable_sort(first, last, [&](const FileRecord& a, const FileRecord& b) {
        counter.Tick();
        return compare(a, b) < 0;
    });
}
