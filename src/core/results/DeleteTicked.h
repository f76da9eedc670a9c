#pragma once

#include "core/grid/CListGrid.h"
#include "core/platform/IRecycleShell.h"
#include "core/window/CCommandWindow.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

inline constexpr std::u16string_view kNothingTickedMessage = u"请先勾选需要删除的项。";
inline constexpr std::u16string_view kConfirmDeleteMessage = u"您确定您真的想删除勾选的项？";
inline constexpr std::u16string_view kDeletedMessage = u"删除完毕。\n还想再查一遍吗？";

// Whether the item of a ticked cell is, right before it goes, still what the search found.
using StillAsFound = std::function<bool(int column, int row, const std::u16string& path)>;

// "删除": sends every ticked file and folder of the result list to the recycle bin in one
// shell operation, then offers to run `command` (the search that filled the list) again;
// declining empties the list and disables the five result buttons. Items that `stillAsFound`
// (when given) rejects stay where they are.
void DeleteTicked(CListGrid& grid, CCommandWindow& window, IRecycleShell& shell, int command,
                  const StillAsFound& stillAsFound = nullptr);

// The question before deleting; it first says how many groups of copies would keep none.
std::u16string ConfirmDeleteMessage(size_t groupsLeftWithout);
// The closing question; it first says how many ticked items are still where they were, and
// how many of those because they changed since the search.
std::u16string DeletedMessage(size_t notDeleted, size_t changed = 0);
// The groups of duplicate rows (an anchor's consecutive rows) whose every copy is ticked.
size_t GroupsWithEveryCopyTicked(CListGrid& grid);
