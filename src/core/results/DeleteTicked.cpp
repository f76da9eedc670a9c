#include "core/results/DeleteTicked.h"

#include "core/results/CDeletionList.h"
#include "core/results/CDeletionPlan.h"
#include "core/results/ResultRows.h"
#include "core/text/DecimalText.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

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
    if (IsPlaceholderLabel(path)) return {};
    return path;
}

// Something is there. A path spelled unsafely is never handed over, and the user hears that
// it was left alone when it names something; a relative one is never looked up, as what it
// names depends on where the program happens to stand.
bool IsCandidate(IRecycleShell& shell, const std::u16string& path) {
    if (!CDeletionPlan::HasRoot(path)) return true;
    return shell.Examine(path).kind != IRecycleShell::Kind::kMissing;
}

} // namespace

std::u16string DeletedMessage(size_t notDeleted, size_t changed) {
    if (notDeleted == 0) return std::u16string(kDeletedMessage);
    std::u16string line =
        u"有 " + DecimalText(static_cast<long long>(notDeleted)) + u" 项未能删除，仍在原处";
    if (changed > 0)
        line +=
            u"（其中 " + DecimalText(static_cast<long long>(changed)) + u" 项自查找以来已改变）";
    return line + u"。\n" + std::u16string(kDeletedMessage);
}

std::u16string ConfirmDeleteMessage(size_t groupsLeftWithout) {
    if (groupsLeftWithout == 0) return std::u16string(kConfirmDeleteMessage);
    return u"有 " + DecimalText(static_cast<long long>(groupsLeftWithout)) +
           u" 组文件的每一份都已勾选，删除后一份也不会留下。\n" +
           std::u16string(kConfirmDeleteMessage);
}

size_t GroupsWithEveryCopyTicked(CListGrid& grid) {
    size_t groups = 0;
    const int rows = grid.RowCount();
    for (int first = 0; first < rows;) {
        const std::optional<std::u16string> anchor = grid.CellPath(0, first);
        int end = first + 1;
        while (end < rows && grid.CellPath(0, end) == anchor) ++end;
        if (!IsPlaceholderLabel(anchor)) {
            bool anchorTicked = false, everyCopyTicked = true;
            for (int row = first; row < end; ++row) {
                anchorTicked = anchorTicked || grid.IsTicked(0, row);
                everyCopyTicked = everyCopyTicked && grid.IsTicked(1, row);
            }
            groups += anchorTicked && everyCopyTicked;
        }
        first = end;
    }
    return groups;
}

void DeleteTicked(CListGrid& grid, CCommandWindow& window, IRecycleShell& shell, int command,
                  const StillAsFound& stillAsFound) {
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
    if (window.ShowMessage(ConfirmDeleteMessage(GroupsWithEveryCopyTicked(grid)),
                           MessageStyle::kYesNo) != MessageStyle::kAnswerYes)
        return;

    // Building pass, bottom up (within a row still column 0 first), every counted cell tested
    // again in full, and its item checked against what the search found right before it goes.
    CDeletionPlan plan;
    for (size_t end = counted.size(); end > 0;) {
        size_t begin = end - 1;
        while (begin > 0 && counted[begin - 1].row == counted[end - 1].row) --begin;
        for (size_t i = begin; i < end; ++i) {
            const std::optional<std::u16string> path = TickedPath(grid, counted[i]);
            if (!path) continue;
            if (!CDeletionPlan::IsSafeSpelling(*path))
                plan.Refuse(*path);
            else if (stillAsFound && !stillAsFound(counted[i].column, counted[i].row, *path))
                plan.Hold(*path);
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
    size_t notDeleted = plan.RefusedCount() + plan.HeldCount();
    for (const std::u16string& path : plan.Items())
        notDeleted += shell.Examine(path).kind != IRecycleShell::Kind::kMissing;

    if (window.ShowMessage(DeletedMessage(notDeleted, plan.HeldCount()), MessageStyle::kYesNo) ==
        MessageStyle::kAnswerYes) {
        window.PostCommand(command);
    } else {
        grid.RemoveAllRows();
        for (int id : kResultButtonIds) window.EnableItem(id, false);
    }
}
