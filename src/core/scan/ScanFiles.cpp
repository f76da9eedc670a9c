#include "core/scan/ScanFiles.h"

#include "core/scan/CListingJournal.h"
#include "core/scan/FileOrder.h"
#include "core/scan/FileWalkers.h"

#include <algorithm>
#include <limits>

namespace {

uint32_t Clamped(uint64_t count) {
    return static_cast<uint32_t>(std::min<uint64_t>(count, std::numeric_limits<uint32_t>::max()));
}

} // namespace

ScanOutcome ScanFiles(IFileSystem& fileSystem, IScanProgress& progress,
                      const std::vector<std::u16string>& folders, int32_t criterion,
                      CFileTable& table, CFileIdTable& ids) {
    progress.ShowNow(ScanField::kStatus, u"统计文件个数...");
    table.fileCount = 0;
    // The counting walk keeps its listings and the filling walk reads them back: every
    // folder is listed once.
    IFileSystem* walked = &fileSystem;
    CListingJournal journal(walked);

    uint64_t counted = 0;
    for (const std::u16string& folder : folders) {
        CFileCounter counter(*walked, progress);
        counted += counter.Count(folder);
        // Kept up to date, so that a stop here still tells whether anything was counted.
        table.fileCount = Clamped(counted);
        if (progress.StopNow()) break;
    }
    progress.Flush();
    if (progress.StopNow()) return ScanOutcome::kStopped;
    if (counted == 0) return ScanOutcome::kNothingFound;
    if (counted > std::numeric_limits<uint32_t>::max() ||
        !table.Allocate(static_cast<uint32_t>(counted))) {
        table.fileCount = Clamped(counted);
        return ScanOutcome::kNoMemory;
    }
    progress.ShowNow(ScanField::kTotal, u"/" + DecimalText(table.fileCount));
    ids.Reserve(table.fileCount);
    journal.StartPlayback();

    FileRecord* cursor = table.begin();
    for (size_t i = 0; i < folders.size(); ++i) {
        CFileRecorder recorder(*walked, progress, criterion, ids);
        recorder.Record(folders[i], static_cast<int32_t>(i), cursor, table.end());
        cursor = recorder.cursor;
        if (progress.StopNow()) break;
    }
    progress.Flush();
    if (progress.StopNow()) return ScanOutcome::kStopped;
    // Files that vanished since the count leave records with no path at the end of the table:
    // they would read as empty files without a name, so the table ends where filling ended.
    table.fileCount = static_cast<uint32_t>(cursor - table.begin());
    if (table.fileCount == 0) return ScanOutcome::kNothingFound;

    // The platform's natural order is slow: a large table takes seconds to sort. The window is
    // kept alive meanwhile; a stop takes effect once the table is in order.
    SortFileTable(table.begin(), table.end(),
                  criterion == 1 || criterion == 2 ? CompareByName : CompareBySize,
                  [&progress] { progress.ShouldStop(); });
    return progress.StopNow() ? ScanOutcome::kStopped : ScanOutcome::kComplete;
}
