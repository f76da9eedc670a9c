// Counts and records the folders below the source folders, orders them deepest first, lists
// the empty ones.
#include "core/emptyfolders/EmptyFolderSearch.h"

#include "core/emptyfolders/CEmptyFolderLister.h"
#include "core/emptyfolders/FolderOrder.h"
#include "core/scan/CListingJournal.h"
#include "core/scan/FileOrder.h"
#include "core/scan/FolderWalkers.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

uint32_t Clamped(uint64_t count) {
    return static_cast<uint32_t>(std::min<uint64_t>(count, std::numeric_limits<uint32_t>::max()));
}

} // namespace

ScanOutcome SearchEmptyFolders(IFileSystem& fileSystem, IScanProgress& progress,
                               IEmptyFolderSink& sink, const std::vector<std::u16string>& folders,
                               CFileTable& table) {
    progress.ShowNow(ScanField::kStatus, u"统计文件夹个数...");
    table.fileCount = 0;
    // As in the file scan, the second walk reads back what the first listed. The emptiness
    // test below lists afresh: what is offered for recycling must be empty now.
    IFileSystem* walked = &fileSystem;
    std::optional<CListingJournal> journal(std::in_place, walked);

    uint64_t counted = 0;
    for (const std::u16string& folder : folders) {
        CFolderCounter counter(*walked, progress);
        counted += counter.Count(folder);
        // Kept up to date, so that a stop here still tells whether anything was counted.
        table.fileCount = Clamped(counted);
        if (progress.ShouldStop()) return ScanOutcome::kStopped;
    }
    if (progress.ShouldStop()) return ScanOutcome::kStopped;
    if (counted == 0) return ScanOutcome::kNothingFound;
    if (counted > std::numeric_limits<uint32_t>::max() ||
        !table.Allocate(static_cast<uint32_t>(counted))) {
        table.fileCount = Clamped(counted);
        return ScanOutcome::kNoMemory;
    }
    progress.ShowNow(ScanField::kTotal, u"/" + DecimalText(table.fileCount));
    journal->StartPlayback();

    FileRecord* cursor = table.begin();
    for (const std::u16string& folder : folders) {
        CFolderRecorder recorder(*walked, progress);
        recorder.Record(folder, cursor, table.end());
        cursor = recorder.cursor;
        if (progress.ShouldStop()) return ScanOutcome::kStopped;
    }
    if (progress.ShouldStop()) return ScanOutcome::kStopped;
    // Folders that vanished since the count would leave records without a path at the end.
    table.fileCount = static_cast<uint32_t>(cursor - table.begin());
    if (table.fileCount == 0) return ScanOutcome::kNothingFound;

    journal.reset();
    SortFileTable(table.begin(), table.end(), CompareByDepth,
                  [&progress] { progress.ShouldStop(); });
    if (progress.ShouldStop()) return ScanOutcome::kStopped;
    CEmptyFolderLister lister(fileSystem, progress, sink);
    lister.ListEmptyFolders(table.begin(), table.end());
    return progress.ShouldStop() ? ScanOutcome::kStopped : ScanOutcome::kComplete;
}
