// The two searches: the frame they share, the engines they run, and the rows made of what
// those find.
#include "core/app/CMainCommands.h"
#include "core/dupes/CDuplicateSearch.h"
#include "core/emptyfolders/EmptyFolderSearch.h"
#include "core/scan/ScanPathPool.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

#include <new>

namespace {

constexpr std::u16string_view kNoFiles = u"抱歉，在所选源文件夹下没有文件。";
constexpr std::u16string_view kNoSubfolder = u"抱歉，在所选源文件夹下没有任何子文件夹。";
constexpr std::u16string_view kNoMemory = u"内存不足。";

} // namespace

void CMainCommands::OnSearchDuplicates() {
    RunSearch({IDC_FIND_DUPLICATES, u"2. 查找重复文件", u"请先指定一个有效的源文件夹。",
               u"检查已被终止。\n", u"未发现重复文件。", &CMainCommands::duplicateCount},
              [this] {
                  const DuplicateSettings settings{criterion, checkEmptyFiles, groupingLimits,
                                                   pairwiseContent};
                  Scanned(FindDuplicates(*fileSystem, pace, found, SourceFolders(), settings,
                                         fileTable, fileIds),
                          kNoFiles);
              });
}

void CMainCommands::OnSearchEmptyFolders() {
    RunSearch({IDC_FIND_EMPTY_FOLDERS, u"查找", u"请指定一个有效的源文件夹。", u"检查被终止。\n",
               u"没有发现任何空文件夹。", &CMainCommands::emptyCount},
              [this] {
                  Scanned(SearchEmptyFolders(*fileSystem, pace, found, SourceFolders(), fileTable),
                          kNoSubfolder);
              });
}

std::vector<std::u16string> CMainCommands::SourceFolders() {
    std::vector<std::u16string> folders;
    const int rows = folderGrid.RowCount();
    for (int row = 0; row < rows; ++row)
        folders.push_back(folderGrid.CellText(0, row).value_or(u""));
    return folders;
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

bool CMainCommands::Scanned(ScanOutcome outcome, std::u16string_view nothingFound) {
    switch (outcome) {
    case ScanOutcome::kComplete: return true;
    case ScanOutcome::kStopped: return false;
    case ScanOutcome::kNothingFound: window.ShowMessage(nothingFound, MessageStyle::kOk); break;
    case ScanOutcome::kNoMemory: window.ShowMessage(kNoMemory, MessageStyle::kOk); break;
    }
    return false;
}

void CMainCommands::RunSearch(const SearchCommand& command, const std::function<void()>& search) {
    if (running) {
        stopRequested = 1;
        return;
    }
    ExchangeFromControls();
    if (folderGrid.RowCount() == 0) {
        window.ShowMessage(command.noFolder, MessageStyle::kOk);
        window.FocusItem(IDC_ADD_FOLDER);
        return;
    }
    ResetForSearch();
    EnterBusy(command.buttonId);
    // Whatever fails inside the search, the window must come out of the busy state.
    try {
        search();
    } catch (const std::bad_alloc&) {
        stopRequested = 1;
        window.ShowMessage(u"内存不足。", MessageStyle::kOk);
    } catch (...) {
        stopRequested = 1;
    }
    pace.Flush(); // the fields show their exact final values before the summary
    resultGrid.RepaintAll();
    resultGrid.FitAllColumns();
    window.BringToFront();
    window.SetTopmost(true);
    if (fileTable.fileCount != 0) {
        std::u16string text(stopRequested ? command.stopped : u"检查完毕。\n");
        if (this->*command.found == 0) text += command.noneFound;
        window.ShowMessage(text, MessageStyle::kOk);
    }
    window.SetTopmost(false);
    LeaveBusy(command.buttonId, command.idleCaption);
}
