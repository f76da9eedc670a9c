// The content pass: each run of equal size is grouped reading every file at most once, then
// listed in the rows the pairwise comparison would give, run by run in table order.
#include "core/dupes/CDuplicateSearch.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/CaseFold.h"

#include <algorithm>

void CDuplicateSearch::ListDuplicatesByContent() {
    if (pairwiseContent) {
        ListDuplicatesPairwise();
        return;
    }
    const CPathPool& pool = ScanPathPool();
    FileRecord* files = table.begin();
    const uint32_t n = table.fileCount;
    CContentGrouper grouper(
        fileSystem, [this] { return progress.ShouldStop(); }, groupingLimits);
    std::vector<uint32_t> run; // table positions of the run's files that take part
    std::vector<const char16_t*> paths;
    std::vector<int32_t> groupOf;
    const CContentGrouper::ListedId listedId = [&](uint32_t k) { return ids.At(run[k]); };
    // A run of one size can hold a large part of a drive: the fields follow the files it reads.
    grouper.onFirstOpen = [&](uint32_t k) {
        progress.ShowCount(ScanField::kExamined, run[k]);
        progress.Show(ScanField::kStatus, paths[k]);
    };
    for (uint32_t i = 0; i < n;) {
        if (progress.ShouldStop()) return;
        progress.ShowCount(ScanField::kExamined, i);
        const FileRecord& first = files[i];
        if (first.IsEmpty()) return; // the zero-length files come last
        uint32_t end = i + 1;
        while (end < n && files[end].sizeHigh == first.sizeHigh &&
               files[end].sizeLow == first.sizeLow)
            ++end;
        run.clear();
        paths.clear();
        for (uint32_t k = i; k < end; ++k) {
            const char16_t* path = pool.Get(files[k].pathIndex);
            // A listed record, or one without a path, is neither an anchor nor a candidate.
            if (files[k].listed || !path || !*path) continue;
            run.push_back(k);
            paths.push_back(path);
        }
        if (run.size() > 1) {
            progress.Show(ScanField::kStatus, paths.front());
            const uint64_t size = (uint64_t{first.sizeHigh} << 32) | first.sizeLow;
            if (!grouper.Group(paths, listedId, size, groupOf))
                return; // a stopped run lists nothing
            // Its files are read: what the listing said of them makes room for the rows.
            ids.ReleaseBefore(end);
            AppendRunDuplicates(run, paths, groupOf, grouper);
        }
        i = end;
    }
    if (n > 0) progress.ShowCount(ScanField::kExamined, n - 1);
}

void CDuplicateSearch::AppendRunDuplicates(const std::vector<uint32_t>& run,
                                           const std::vector<const char16_t*>& paths,
                                           const std::vector<int32_t>& groupOf,
                                           const CContentGrouper& grouper) {
    std::vector<std::vector<uint32_t>> groups;
    for (uint32_t k = 0; k < groupOf.size(); ++k) {
        if (groupOf[k] < 0) continue;
        const auto g = static_cast<size_t>(groupOf[k]);
        if (groups.size() <= g) groups.resize(g + 1);
        groups[g].push_back(k);
    }
    // As the pairwise pass does: each file not yet listed is the anchor of every later file
    // of its group not yet listed, except a name of its own in another case.
    std::vector<char> taken(run.size(), 0);
    for (uint32_t k = 0; k < run.size(); ++k) {
        if (groupOf[k] < 0 || taken[k]) continue;
        const std::vector<uint32_t>& group = groups[static_cast<size_t>(groupOf[k])];
        for (auto q = std::upper_bound(group.begin(), group.end(), k); q != group.end(); ++q) {
            if (taken[*q] || EqualIgnoringCase(paths[k], paths[*q])) continue;
            taken[*q] = 1;
            // The rows keep what the files were when their bytes were compared.
            AppendDuplicate(paths[k], paths[*q], table.begin()[run[*q]],
                            grouper.OpenedFingerprint(k), grouper.OpenedFingerprint(*q));
        }
    }
}
