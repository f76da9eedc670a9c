#pragma once

#include "core/grid/CListGrid.h"
#include "core/window/ControlIds.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The rows of the result list: two check-box cells whose labels are what the user sees and
// what delete, export and open read back.

inline constexpr std::u16string_view kEmptyFileLabel = u"(空文件)";
inline constexpr std::u16string_view kEmptyFolderLabel = u"(空文件夹)";
inline constexpr std::u16string_view kEmptyListMessage =
    u"抱歉，列表中没有任何项目，因此不能完成您所要求的功能。";

// The five buttons that act on the result list; they are usable only while it has rows.
inline constexpr int kResultButtonIds[] = {IDC_DELETE_FILES, IDC_TICK_RIGHT, IDC_CLEAR_TICKS,
                                           IDC_EXPORT, IDC_DELETE_FOLDERS};

using ShowMessage = std::function<void(const std::u16string&)>;

// Sets the result list up on an attached grid: two columns with their headings, check-box
// column defaults, tracking scroll bars, current cell in light yellow, single-cell selection,
// columns fitted to the width.
void SetUpResultGrid(CListGrid& grid, GridFont font);
// The same for the one-column source-folder list.
void SetUpFolderGrid(CListGrid& grid, GridFont font);

// Whether a cell's label names no file or folder: missing, empty, or a placeholder such as
// "(空文件)" (no path starts with a parenthesis).
inline bool IsPlaceholderLabel(std::u16string_view label) {
    return label.empty() || label.front() == u'(';
}
inline bool IsPlaceholderLabel(const std::optional<std::u16string>& label) {
    return !label || IsPlaceholderLabel(std::u16string_view(*label));
}

// Appends (left, right) as one unticked row.
void AppendResultRow(CListGrid& grid, std::u16string_view left, std::u16string_view right);

// "勾选右边整列": ticks every row's right-hand cell, or says the list is empty. False when empty.
bool OnTickRightColumn(CListGrid& grid, const ShowMessage& show);
// "去除所有勾选": unticks every cell, or says the list is empty. False when empty.
bool OnClearAllTicks(CListGrid& grid, const ShowMessage& show);
