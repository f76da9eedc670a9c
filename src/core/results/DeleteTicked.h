#pragma once

#include "core/app/CCommandWindow.h"
#include "core/grid/CListGrid.h"
#include "core/platform/IRecycleShell.h"

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::u16string_view kNothingTickedMessage = u"请先勾选需要删除的项。";
inline constexpr std::u16string_view kConfirmDeleteMessage = u"您确定您真的想删除勾选的项？";
inline constexpr std::u16string_view kDeletedMessage = u"删除完毕。\n还想再查一遍吗？";

// "删除": sends every ticked file and folder of the result list to the recycle bin in one
// shell operation, then offers to run `command` (the search that filled the list) again;
// declining empties the list and disables the five result buttons.
void DeleteTicked(CListGrid& grid, CCommandWindow& window, IRecycleShell& shell, int command);

// The closing question; it first says how many ticked items are still where they were.
std::u16string DeletedMessage(size_t notDeleted);
