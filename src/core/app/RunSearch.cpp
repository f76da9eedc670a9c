// The frame both searches run in.
#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/app/MessageStyle.h"

#include <new>

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
    FlushProgress(); // the fields show their exact final values before the summary
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
