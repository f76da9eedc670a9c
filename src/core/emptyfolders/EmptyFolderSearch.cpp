// The find-empty-folders command: reset, count and record the folders below the source
// folders, order them deepest first, list the empty ones, report.
#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/app/MessageStyle.h"
#include "core/dupes/FileOrder.h"
#include "core/emptyfolders/CEmptyFolderLister.h"
#include "core/emptyfolders/FolderOrder.h"
#include "core/scan/CListingJournal.h"
#include "core/scan/FolderWalkers.h"
#include "core/text/DecimalText.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr std::u16string_view kNoSubfolder = u"抱歉，在所选源文件夹下没有任何子文件夹。";
constexpr std::u16string_view kNoMemory = u"内存不足。";

uint32_t Clamped(uint64_t count) {
    return static_cast<uint32_t>(std::min<uint64_t>(count, std::numeric_limits<uint32_t>::max()));
}

} // namespace

void CMainCommands::OnSearchEmptyFolders() {
    RunSearch({IDC_FIND_EMPTY_FOLDERS, u"查找", u"请指定一个有效的源文件夹。", u"检查被终止。\n",
               u"没有发现任何空文件夹。", &CMainCommands::emptyCount},
              [this] { SearchEmptyFolders(); });
}

int CMainCommands::SearchEmptyFolders() {
    window.SetItemText(IDC_STATUS, u"统计文件夹个数...");
    fileTable.fileCount = 0;
    const std::vector<std::u16string> folders = SourceFolders();
    // As in the file scan, the second walk reads back what the first listed. The emptiness
    // test below lists afresh: what is offered for recycling must be empty now.
    std::optional<CListingJournal> journal(std::in_place, fileSystem);

    uint64_t counted = 0;
    for (const std::u16string& folder : folders) {
        CFolderCounter counter(*this);
        counted += counter.Count(folder);
        // Kept up to date, so that a stop here still tells whether anything was counted.
        fileTable.fileCount = Clamped(counted);
        if (ShouldStop()) return 0;
    }
    if (ShouldStop()) return 0;
    if (counted == 0) {
        window.ShowMessage(kNoSubfolder, MessageStyle::kOk);
        return 0;
    }
    if (counted > std::numeric_limits<uint32_t>::max() ||
        !fileTable.Allocate(static_cast<uint32_t>(counted))) {
        fileTable.fileCount = Clamped(counted);
        window.ShowMessage(kNoMemory, MessageStyle::kOk);
        return 0;
    }
    window.SetItemText(IDC_TOTAL, u"/" + DecimalText(fileTable.fileCount));
    journal->StartPlayback();

    FileRecord* cursor = fileTable.begin();
    for (const std::u16string& folder : folders) {
        CFolderRecorder recorder(*this);
        recorder.Record(folder, cursor, fileTable.end());
        cursor = recorder.cursor;
        if (ShouldStop()) return 0;
    }
    if (ShouldStop()) return 0;
    // Folders that vanished since the count would leave records without a path at the end.
    fileTable.fileCount = static_cast<uint32_t>(cursor - fileTable.begin());
    if (fileTable.fileCount == 0) {
        window.ShowMessage(kNoSubfolder, MessageStyle::kOk);
        return 0;
    }

    journal.reset();
    SortFileTable(fileTable.begin(), fileTable.end(), CompareByDepth);
    if (ShouldStop()) return 0;
    CEmptyFolderLister lister(*this, window);
    lister.ListEmptyFolders(fileTable.begin(), fileTable.end());
    return ShouldStop() ? 0 : 1;
}
