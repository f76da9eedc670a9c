#pragma once

#include "core/app/ProgressPace.h"
#include "core/choosers/FolderListCommands.h"
#include "core/dupes/CContentGrouper.h"
#include "core/grid/CListGrid.h"
#include "core/platform/COutputFile.h"
#include "core/platform/IFileSystem.h"
#include "core/results/CFoundRowSink.h"
#include "core/results/CFoundRows.h"
#include "core/results/ResultRows.h"
#include "core/scan/CFileIdTable.h"
#include "core/scan/CFileTable.h"
#include "core/scan/ScanFiles.h"
#include "core/window/CCommandWindow.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the main window's commands do, and the state one run of the program has: the file
// table of the last scan, the flags of a long command, the counters, and the two settings
// read from the window when a run starts. The searches themselves are engines of their own;
// this wires them to the window and turns what they find into rows.
class CMainCommands {
public:
    explicit CMainCommands(CCommandWindow& window);
    CMainCommands(CCommandWindow& window, IFileSystem& fileSystem)
        : window(window), fileSystem(&fileSystem) {}

    CFileTable fileTable; // files and fileCount
    int32_t stopRequested = 0;
    int32_t checkEmptyFiles = 1;
    int32_t criterion = 0; // 0 file content, 1 file name, 2 file name ignoring the extension
    // Wide enough for any count a scan can reach: a table holds up to 2^32 - 1 records.
    int64_t examinedCount = 0;
    int64_t duplicateCount = 0;
    int64_t emptyCount = 0;
    int32_t running = 0;
    // The models of the two lists; the window shows them. Result rows live only here.
    CListGrid resultGrid;
    CListGrid folderGrid;

    // The settings towards the controls (once, when the window opens) and back (when a run
    // starts).
    void ExchangeToControls();
    void ExchangeFromControls();

    // A long command enters the busy state after its reset steps: only its own button stays
    // enabled, and it reads "停止".
    void EnterBusy(int buttonId);
    // ... and leaves it after its summary message.
    void LeaveBusy(int buttonId, std::u16string_view idleCaption);
    // The stop query of long loops: keeps the window alive, then tells whether Stop was pressed.
    bool ShouldStop();
    // Closing is refused while a long command runs.
    bool CanClose() const { return running == 0; }
    // The window is going away: nothing of the last scan stays behind.
    void OnWindowDestroyed();

    void SetCounter(int id, int64_t value);

    // Empties the result list and what its rows kept of their files.
    void ClearResults();
    void OnTickRightColumn();
    void OnClearAllTicks();
    // Both "删除" buttons; `command` is the search to offer again afterwards.
    void DeleteTicked(int command);

    // Finding duplicates (button 1, which stops a run under way).
    IFileSystem& FileSystem() { return *fileSystem; }
    void OnSearchDuplicates();
    // How many files the content pass keeps open and how much it holds to compare.
    CContentGrouper::Limits groupingLimits;
    // Tests: 1 runs the literal pairwise pass, the measure the read-once pass must match.
    int32_t pairwiseContent = 0;
    // A result row, and the fingerprints of what its files were as the search found them (0
    // for a placeholder or a folder); without them, of what the files are now.
    void AppendFoundRow(std::u16string_view left, std::u16string_view right, uint64_t leftPrint,
                        uint64_t rightPrint);
    void AppendFoundRow(std::u16string_view left, std::u16string_view right);
    void OnExportList(COutputFile& file);
    void OnOpenItem(const std::u16string& label);

    // The source-folder list's buttons and drops.
    CFolderListCommands FolderList() { return {window, folderGrid}; }
    // Finding empty folders (button 1034, which stops a run under way).
    void OnSearchEmptyFolders();

private:
    // A message with an OK button, for commands that only tell.
    ShowMessage Notice();
    void ResetForSearch();
    // What tells the searches apart in the frame they share.
    struct SearchCommand {
        int buttonId;
        std::u16string_view idleCaption;
        std::u16string_view noFolder;  // the answer to an empty folder list
        std::u16string_view stopped;   // the summary's first line after a stop
        std::u16string_view noneFound; // added to the summary when `found` stayed 0
        int64_t CMainCommands::*found;
    };
    // The frame of a search: Stop while one runs, the refusal of an empty folder list, the
    // reset, the busy state that any failure still leaves, the summary in front of all windows.
    void RunSearch(const SearchCommand& command, const std::function<void()>& search);
    // Says why a scan that did not complete found nothing to list; true when it completed.
    bool Scanned(ScanOutcome outcome, std::u16string_view nothingFound);
    // The source folders of the run: the rows present when it started, so that folders
    // dropped meanwhile can never make the scan outgrow its table.
    std::vector<std::u16string> SourceFolders();

    CFileIdTable fileIds;
    // Beside the result rows, what their files were when found.
    CFoundRows foundRows;

    CCommandWindow& window;
    IFileSystem* fileSystem;
    // How the searches show their progress and hear of Stop.
    CProgressPace pace{window, stopRequested, examinedCount};
    // What the searches find becomes rows.
    CFoundRowSink found{resultGrid, foundRows, pace, duplicateCount, emptyCount};
};
