// The search as one step, and what follows the scan: second names passed over, the rows by
// name key, the empty files.
#include "core/dupes/CDuplicateSearch.h"
#include "core/platform/FileFingerprint.h"
#include "core/scan/NaturalCompare.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/CaseFold.h"

ScanOutcome FindDuplicates(IFileSystem& fileSystem, IScanProgress& progress, IDuplicateSink& sink,
                           const std::vector<std::u16string>& folders,
                           const DuplicateSettings& settings, CFileTable& table,
                           CFileIdTable& ids) {
    const ScanOutcome scanned =
        ScanFiles(fileSystem, progress, folders, settings.criterion, table, ids);
    if (scanned != ScanOutcome::kComplete) return scanned;
    CDuplicateSearch search(fileSystem, progress, sink, table, ids);
    search.groupingLimits = settings.groupingLimits;
    search.pairwiseContent = settings.pairwiseContent;
    search.PassOverSecondNames();
    search.ListDuplicates(settings.criterion);
    if (settings.checkEmptyFiles) search.ListEmptyFiles();
    ids.Clear();
    return scanned;
}

void CDuplicateSearch::PassOverSecondNames() {
    ids.MarkSecondNames(table.begin(), table.end(), [this] { progress.ShouldStop(); });
}

int CDuplicateSearch::ListDuplicates(int32_t criterion) {
    if (criterion == 0)
        ListDuplicatesByContent();
    else
        ListDuplicatesByName();
    return 1;
}

void CDuplicateSearch::AppendDuplicate(const char16_t* anchor, const char16_t* path,
                                       FileRecord& candidate, uint64_t anchorPrint,
                                       uint64_t print) {
    candidate.listed = 1;
    sink.Duplicate(anchor, path, anchorPrint, print);
}

uint64_t CDuplicateSearch::FoundPrint(uint32_t position, const char16_t* path) {
    // The listing named the file; its name tells the rest without an open of its own.
    const std::optional<FileId> id = ids.At(position);
    if (!id) return Fingerprint(fileSystem.State(path));
    std::optional<FileState> state = fileSystem.StateByName(path);
    if (state) state->id = *id;
    return Fingerprint(state);
}

void CDuplicateSearch::ListDuplicatesByName() {
    const CPathPool& pool = ScanPathPool();
    FileRecord* files = table.begin();
    const uint32_t n = table.fileCount;
    for (uint32_t i = 0; i < n; ++i) {
        if (progress.ShouldStop()) return;
        progress.ShowCount(ScanField::kExamined, i);
        const FileRecord& anchor = files[i];
        const char16_t* anchorPath = pool.Get(anchor.pathIndex);
        if (!pool.Get(anchor.nameIndex) || anchor.listed || !anchorPath || !*anchorPath) continue;
        progress.Show(ScanField::kStatus, anchorPath);
        uint64_t anchorPrint = 0; // asked for once, with the anchor's first row
        for (uint32_t j = i + 1; j < n; ++j) {
            if (progress.ShouldStop()) break;
            FileRecord& candidate = files[j];
            const char16_t* key = pool.Get(candidate.nameIndex);
            if (!key) continue;
            if (NaturalCompare(pool.Get(anchor.nameIndex), key) != 0) break;
            const char16_t* path = pool.Get(candidate.pathIndex);
            if (candidate.listed || !path || EqualIgnoringCase(path, anchorPath)) continue;
            if (anchorPrint == 0) anchorPrint = FoundPrint(i, anchorPath);
            AppendDuplicate(anchorPath, path, candidate, anchorPrint, FoundPrint(j, path));
        }
    }
}

void CDuplicateSearch::ListEmptyFiles() {
    progress.ShowNow(ScanField::kStatus, u"检查空文件...");
    for (uint32_t position = 0; position < table.fileCount; ++position) {
        const FileRecord& r = table.begin()[position];
        if (progress.ShouldStop()) return;
        const char16_t* path = ScanPathPool().Get(r.pathIndex);
        // A record whose path the pool refused names nothing a user could act on.
        if (!r.IsEmpty() || r.listed || !path || !*path) continue;
        sink.EmptyFile(path, FoundPrint(position, path));
    }
}
