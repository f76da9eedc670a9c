#include "core/results/DeleteTicked.h"

#include "core/app/ControlIds.h"
#include "core/app/MessageStyle.h"
#include "core/results/CDeletionList.h"
#include "core/results/CDeletionPlan.h"
#include "core/results/ResultRows.h"
#include "core/text/DecimalText.h"

#include <optional>
#include <vector>

namespace {

struct Cell {
    int column, row;
};

// The hourglass stays up until the command returns, whichever way it returns.
class CWaitCursor {
public:
    explicit CWaitCursor(CCommandWindow& window) : window(window) { window.SetWaitCursor(true); }
    ~CWaitCursor() { window.SetWaitCursor(false); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CCommandWindow& window;
};

// A ticked cell whose label is a path and not a placeholder; the path, or nothing.
std::optional<std::u16string> TickedPath(CListGrid& grid, Cell cell) {
    if (!grid.IsTicked(cell.column, cell.row)) return {};
    std::optional<std::u16string> path = grid.CellPath(cell.column, cell.row);
    if (!path || path->empty() || path->front() == u'(') return {};
    return path;
}

// A path spelled unsafely is a candidate without being looked up: it is never handed over,
// and the user hears that it was left alone.
bool IsCandidate(IRecycleShell& shell, const std::u16string& path) {
    return !CDeletionPlan::IsSafeSpelling(path) ||
           shell.Examine(path).kind != IRecycleShell::Kind::kMissing;
}

} // namespace

std::u16string DeletedMessage(size_t notDeleted) {
    if (notDeleted == 0) return std::u16string(kDeletedMessage);
    return u"有 " + DecimalText(static_cast<long long>(notDeleted)) + u" 项未能删除，仍在原处。\n" +
           std::u16string(kDeletedMessage);
}

void DeleteTicked(CListGrid& grid, CCommandWindow& window, IRecycleShell& shell, int command) {
    if (grid.RowCount() == 0) {
        window.ShowMessage(kEmptyListMessage, MessageStyle::kOk);
        return;
    }
    CWaitCursor wait(window);

    // Counting pass, top down. The cells it counts are the only ones the building pass may
    // take, so a file that turns up in between cannot outgrow the list.
    std::vector<Cell> counted;
    size_t units = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::optional<std::u16string> path = TickedPath(grid, {column, row});
            if (!path || !IsCandidate(shell, *path)) continue;
            units += path->size() + 1;
            counted.push_back({column, row});
        }
    }
    if (units == 0) {
        window.ShowMessage(kNothingTickedMessage, MessageStyle::kOk);
        return;
    }
    if (window.ShowMessage(kConfirmDeleteMessage, MessageStyle::kYesNo) != MessageStyle::kAnswerYes)
        return;

    // Building pass, bottom up (within a row still column 0 first), every counted cell tested
    // again in full.
    CDeletionPlan plan;
    for (size_t end = counted.size(); end > 0;) {
        size_t begin = end - 1;
        while (begin > 0 && counted[begin - 1].row == counted[end - 1].row) --begin;
        for (size_t i = begin; i < end; ++i) {
            const std::optional<std::u16string> path = TickedPath(grid, counted[i]);
            if (!path) continue;
            if (!CDeletionPlan::IsSafeSpelling(*path))
                plan.Refuse(*path);
            else
                plan.Add(*path, shell.Examine(*path));
        }
        end = begin;
    }
    CDeletionList list(units);
    for (const std::u16string& path : plan.HandOver()) {
        window.SetItemText(IDC_STATUS, path);
        list.Append(path);
    }
    if (!list.Empty()) shell.Recycle(list.Block());

    // The platform's answer does not say which items went; what is still there does.
    size_t notDeleted = plan.RefusedCount();
    for (const std::u16string& path : plan.Items())
        notDeleted += shell.Examine(path).kind != IRecycleShell::Kind::kMissing;

    if (window.ShowMessage(DeletedMessage(notDeleted), MessageStyle::kYesNo) ==
        MessageStyle::kAnswerYes) {
        window.PostCommand(command);
    } else {
        grid.RemoveAllRows();
        for (int id : kResultButtonIds) window.EnableItem(id, false);
    }
}
