#pragma once

#include "core/app/CCommandWindow.h"
#include "core/choosers/FolderListCommands.h"
#include "core/dupes/CContentGrouper.h"
#include "core/dupes/CFileIdTable.h"
#include "core/grid/CListGrid.h"
#include "core/platform/COutputFile.h"
#include "core/platform/IFileSystem.h"
#include "core/results/CFoundRows.h"
#include "core/results/ResultRows.h"
#include "core/scan/CFileTable.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the main window's commands do, step by step, and the state one run of the program
// has: the file table of the last scan, the flags of a long command, the counters, and the
// two settings read from the window when a run starts.
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
    // Progress of a long loop: remembered, and shown by ShouldStop at most about 20 times a
    // second; FlushProgress shows what is left when a phase ends. SetCounter and ShowNow show
    // at once and supersede what waits for the same field.
    void ShowProgress(int id, std::u16string_view text);
    void ShowProgress(int id, int64_t value);
    void ShowNow(int id, std::u16string_view text);
    void FlushProgress();

    // Empties the result list and what its rows kept of their files.
    void ClearResults();
    void OnTickRightColumn();
    void OnClearAllTicks();
    // Both "删除" buttons; `command` is the search to offer again afterwards.
    void DeleteTicked(int command);

    // Finding duplicates (button 1, which stops a run under way).
    IFileSystem& FileSystem() { return *fileSystem; }
    void OnSearchDuplicates();
    // The two-pass scan of the source folders into the ordered file table; 1 when complete.
    int ScanFiles();
    int ListDuplicates();
    // 1 when both files were read to their ends and every byte matched.
    int SameContent(const char16_t* a, const char16_t* b);
    // How many files the content pass keeps open and how much it holds to compare.
    CContentGrouper::Limits groupingLimits;
    // Tests: 1 runs the literal pairwise pass, the measure the read-once pass must match.
    int32_t pairwiseContent = 0;
    // One more item examined: the counter and the status line show it.
    void ReportFile(const std::u16string& path);
    // What the listing told about the file recorded with this path index.
    void NoteFileId(int32_t pathIndex, const std::optional<FileId>& id);
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
    // 1 when it ran to its end, 0 when it was stopped or gave up.
    int SearchEmptyFolders();

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
    void ListDuplicatesByContent();
    void ListDuplicatesPairwise();
    // SameContent of two files the listing named: each opens only as the file its listing
    // said, where it said one, and two names that reach one file are not the same content.
    // `stateA` and `stateB` get what the files were when they were opened.
    int SameListedContent(const char16_t* a, const std::optional<FileId>& listedA,
                          const char16_t* b, const std::optional<FileId>& listedB,
                          std::optional<FileState>& stateA, std::optional<FileState>& stateB);
    // The rows of one run of equal size, once its files are grouped: anchors in table order.
    void AppendRunDuplicates(const std::vector<uint32_t>& run,
                             const std::vector<const char16_t*>& paths,
                             const std::vector<int32_t>& groupOf, const CContentGrouper& grouper);
    void ListDuplicatesByName();
    // The fingerprint of what the file at this table position is now, for its row.
    uint64_t FoundPrint(uint32_t position, const char16_t* path);
    // The fingerprints of what the two files were when found.
    void AppendDuplicate(const char16_t* anchor, const char16_t* path, FileRecord& candidate,
                         uint64_t anchorPrint, uint64_t print);
    void ListEmptyFiles();
    // Records that are one file on disk count once: all but the first in table order are
    // passed over as if already listed.
    void PassOverSecondNames();
    // The source folders of the run: the rows present when it started, so that folders
    // dropped meanwhile can never make the scan outgrow its table.
    std::vector<std::u16string> SourceFolders();

    CFileIdTable fileIds;
    // Beside the result rows, what their files were when found.
    CFoundRows foundRows;

    CCommandWindow& window;
    IFileSystem* fileSystem;

    std::vector<std::pair<int, std::u16string>> waitingProgress;
    uint64_t lastPump = 0;
    uint64_t lastShown = 0;
};
