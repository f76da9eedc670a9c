// The two-pass scan of the source folders into the file table.
#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/app/MessageStyle.h"
#include "core/dupes/FileOrder.h"
#include "core/scan/CListingJournal.h"
#include "core/scan/FileWalkers.h"
#include "core/text/DecimalText.h"

#include <limits>

namespace {

constexpr std::u16string_view kNoFiles = u"抱歉，在所选源文件夹下没有文件。";
constexpr std::u16string_view kNoMemory = u"内存不足。";

} // namespace

std::vector<std::u16string> CMainCommands::SourceFolders() {
    std::vector<std::u16string> folders;
    const int rows = folderGrid.RowCount();
    for (int row = 0; row < rows; ++row)
        folders.push_back(folderGrid.CellText(0, row).value_or(u""));
    return folders;
}

int CMainCommands::ScanFiles() {
    ShowNow(IDC_STATUS, u"统计文件个数...");
    fileTable.fileCount = 0;
    const std::vector<std::u16string> folders = SourceFolders();
    // The counting walk keeps its listings and the filling walk reads them back: every
    // folder is listed once.
    CListingJournal journal(fileSystem);

    uint64_t counted = 0;
    for (const std::u16string& folder : folders) {
        CFileCounter counter(*this);
        counted += counter.Count(folder);
        // Shown as it grows, so that a stop here still tells whether anything was counted.
        fileTable.fileCount = static_cast<uint32_t>(
            std::min<uint64_t>(counted, std::numeric_limits<uint32_t>::max()));
        window.PumpMessages();
        if (stopRequested) break;
    }
    FlushProgress();
    window.PumpMessages();
    if (stopRequested) return 0;
    if (counted == 0) {
        window.ShowMessage(kNoFiles, MessageStyle::kOk);
        return 0;
    }
    if (counted > std::numeric_limits<uint32_t>::max() ||
        !fileTable.Allocate(static_cast<uint32_t>(counted))) {
        fileTable.fileCount = static_cast<uint32_t>(
            std::min<uint64_t>(counted, std::numeric_limits<uint32_t>::max()));
        window.ShowMessage(kNoMemory, MessageStyle::kOk);
        return 0;
    }
    window.SetItemText(IDC_TOTAL, u"/" + DecimalText(fileTable.fileCount));
    fileIds.Reserve(fileTable.fileCount);
    journal.StartPlayback();

    FileRecord* cursor = fileTable.begin();
    for (size_t i = 0; i < folders.size(); ++i) {
        CFileRecorder recorder(*this);
        recorder.Record(folders[i], static_cast<int32_t>(i), cursor, fileTable.end());
        cursor = recorder.cursor;
        window.PumpMessages();
        if (stopRequested) break;
    }
    FlushProgress();
    window.PumpMessages();
    if (stopRequested) return 0;
    // Files that vanished since the count leave records with no path at the end of the table:
    // they would read as empty files without a name, so the table ends where filling ended.
    fileTable.fileCount = static_cast<uint32_t>(cursor - fileTable.begin());
    if (fileTable.fileCount == 0) {
        window.ShowMessage(kNoFiles, MessageStyle::kOk);
        return 0;
    }

    SortFileTable(fileTable.begin(), fileTable.end(),
                  criterion == 1 || criterion == 2 ? CompareByName : CompareBySize);
    window.PumpMessages();
    return stopRequested ? 0 : 1;
}

void CMainCommands::ReportFile(const std::u16string& path) {
    if (path.empty()) return;
    ++examinedCount;
    ShowProgress(IDC_EXAMINED, examinedCount);
    ShowProgress(IDC_STATUS, path);
}

void CMainCommands::NoteFileId(int32_t pathIndex, const std::optional<FileId>& id) {
    fileIds.Note(pathIndex, id);
}
