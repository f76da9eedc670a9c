// The find-duplicates command: reset, scan, list the duplicates and the empty files, report.
#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/platform/FileFingerprint.h"
#include "core/results/ResultRows.h"
#include "core/scan/NaturalCompare.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/CaseFold.h"

void CMainCommands::OnSearchDuplicates() {
    RunSearch({IDC_FIND_DUPLICATES, u"2. 查找重复文件", u"请先指定一个有效的源文件夹。",
               u"检查已被终止。\n", u"未发现重复文件。", &CMainCommands::duplicateCount},
              [this] {
                  if (ScanFiles() != 1) return;
                  PassOverSecondNames();
                  ListDuplicates();
                  if (checkEmptyFiles) ListEmptyFiles();
                  fileIds.Clear();
              });
}

void CMainCommands::ResetForSearch() {
    window.SetItemText(IDC_TOTAL, u"");
    ClearResults();
    ScanPathPool().Clear();
    fileTable.Release();
    fileIds.Clear();
    duplicateCount = 0;
    examinedCount = 0;
    emptyCount = 0;
    SetCounter(IDC_DUPLICATES, duplicateCount);
    SetCounter(IDC_EXAMINED, examinedCount);
    SetCounter(IDC_EMPTY, emptyCount);
}

void CMainCommands::PassOverSecondNames() {
    fileIds.MarkSecondNames(fileTable.begin(), fileTable.end());
}

int CMainCommands::ListDuplicates() {
    if (criterion == 0)
        ListDuplicatesByContent();
    else
        ListDuplicatesByName();
    return 1;
}

void CMainCommands::AppendDuplicate(const char16_t* anchor, const char16_t* path,
                                    FileRecord& candidate, uint64_t anchorPrint, uint64_t print) {
    ++duplicateCount;
    ShowProgress(IDC_DUPLICATES, duplicateCount);
    ShowProgress(IDC_STATUS, path);
    AppendFoundRow(anchor, path, anchorPrint, print);
    candidate.listed = 1;
}

uint64_t CMainCommands::FoundPrint(uint32_t position, const char16_t* path) {
    // The listing named the file; its name tells the rest without an open of its own.
    const std::optional<FileId> id = fileIds.At(position);
    if (!id) return Fingerprint(fileSystem->State(path));
    std::optional<FileState> state = fileSystem->StateByName(path);
    if (state) state->id = *id;
    return Fingerprint(state);
}

void CMainCommands::ListDuplicatesByName() {
    const CPathPool& pool = ScanPathPool();
    FileRecord* files = fileTable.begin();
    const uint32_t n = fileTable.fileCount;
    for (uint32_t i = 0; i < n; ++i) {
        if (ShouldStop()) return;
        ShowProgress(IDC_EXAMINED, i);
        const FileRecord& anchor = files[i];
        const char16_t* anchorPath = pool.Get(anchor.pathIndex);
        if (!pool.Get(anchor.nameIndex) || anchor.listed || !anchorPath || !*anchorPath) continue;
        ShowProgress(IDC_STATUS, anchorPath);
        uint64_t anchorPrint = 0; // asked for once, with the anchor's first row
        for (uint32_t j = i + 1; j < n; ++j) {
            if (ShouldStop()) break;
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

void CMainCommands::ListEmptyFiles() {
    ShowNow(IDC_STATUS, u"检查空文件...");
    for (uint32_t position = 0; position < fileTable.fileCount; ++position) {
        const FileRecord& r = fileTable.begin()[position];
        if (ShouldStop()) return;
        const char16_t* path = ScanPathPool().Get(r.pathIndex);
        // A record whose path the pool refused names nothing a user could act on.
        if (!r.IsEmpty() || r.listed || !path || !*path) continue;
        ++emptyCount;
        ShowProgress(IDC_EMPTY, emptyCount);
        ShowProgress(IDC_STATUS, path);
        AppendFoundRow(kEmptyFileLabel, path, 0, FoundPrint(position, path));
    }
}
