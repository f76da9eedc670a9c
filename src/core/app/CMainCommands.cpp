#include "core/app/CMainCommands.h"

#include "core/platform/FileFingerprint.h"
#include "core/results/CFoundCheck.h"
#include "core/results/DeleteTicked.h"
#include "core/results/ExportList.h"
#include "core/results/OpenItem.h"
#include "core/results/ResultRows.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/DecimalText.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

#include <string>

namespace {

// Until a window hands over the real one, there is nothing to find.
class CNoFileSystem : public IFileSystem {
public:
    std::unique_ptr<IDirListing> List(std::u16string_view) override { return nullptr; }
    std::optional<FileState> State(std::u16string_view) override { return std::nullopt; }
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view) override { return nullptr; }
};

CNoFileSystem noFiles;

} // namespace

CMainCommands::CMainCommands(CCommandWindow& window) : window(window), fileSystem(&noFiles) {}

void CMainCommands::ExchangeToControls() {
    window.CheckItem(IDC_CHECK_EMPTY, checkEmptyFiles != 0);
    window.SelectIndex(IDC_CRITERION, criterion);
}

void CMainCommands::ExchangeFromControls() {
    checkEmptyFiles = window.IsItemChecked(IDC_CHECK_EMPTY) ? 1 : 0;
    criterion = window.SelectedIndex(IDC_CRITERION);
}

void CMainCommands::EnterBusy(int buttonId) {
    running = 1;
    stopRequested = 0;
    window.PumpMessages();
    window.SetButtonsEnabled(false);
    window.SetItemText(buttonId, u"停止");
    window.EnableItem(buttonId, true);
}

void CMainCommands::LeaveBusy(int buttonId, std::u16string_view idleCaption) {
    pace.Flush();
    running = 0;
    stopRequested = 0;
    window.PumpMessages();
    window.SetButtonsEnabled(true);
    const bool haveRows = resultGrid.RowCount() > 0;
    for (int id : kResultButtonIds) window.EnableItem(id, haveRows);
    window.SetItemText(buttonId, idleCaption);
    pace.ShowNow(IDC_STATUS, u"结束。");
}

void CMainCommands::OnWindowDestroyed() {
    fileTable.Release();
    ScanPathPool().Clear();
}

void CMainCommands::SetCounter(int id, int64_t value) { pace.ShowNow(id, DecimalText(value)); }

bool CMainCommands::ShouldStop() { return pace.ShouldStop(); }

ShowMessage CMainCommands::Notice() {
    return [this](const std::u16string& text) { window.ShowMessage(text, MessageStyle::kOk); };
}

void CMainCommands::OnTickRightColumn() { ::OnTickRightColumn(resultGrid, Notice()); }

void CMainCommands::OnClearAllTicks() { ::OnClearAllTicks(resultGrid, Notice()); }

void CMainCommands::DeleteTicked(int command) {
    CFoundCheck check(resultGrid, foundRows, *fileSystem);
    ::DeleteTicked(resultGrid, window, window.RecycleShell(), command,
                   [&check](int column, int row, const std::u16string& path) {
                       return check.StillAsFound(column, row, path);
                   });
    if (resultGrid.RowCount() == 0) ClearResults();
}

void CMainCommands::ClearResults() {
    resultGrid.RemoveAllRows();
    foundRows.Clear();
}

void CMainCommands::AppendFoundRow(std::u16string_view left, std::u16string_view right,
                                   uint64_t leftPrint, uint64_t rightPrint) {
    found.Append(left, right, leftPrint, rightPrint);
}

void CMainCommands::AppendFoundRow(std::u16string_view left, std::u16string_view right) {
    const auto printOf = [this](std::u16string_view label) {
        return IsPlaceholderLabel(label) ? 0 : Fingerprint(fileSystem->State(label));
    };
    AppendFoundRow(left, right, printOf(left), printOf(right));
}

void CMainCommands::OnExportList(COutputFile& file) { ::OnExportList(resultGrid, window, file); }

void CMainCommands::OnOpenItem(const std::u16string& label) { ::OpenItem(window, label); }
