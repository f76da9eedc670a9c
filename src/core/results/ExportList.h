#pragma once

#include "core/grid/CListGrid.h"
#include "core/platform/COutputFile.h"
#include "core/window/CCommandWindow.h"

#include <optional>
#include <string>
#include <string_view>

// The exported list: UTF-16LE with a byte-order mark, one line per result row, the two labels
// separated by a tab, every line ended by CR LF. Nothing else: no heading, ticks or counts.

inline constexpr std::u16string_view kExportCreateFailed = u"输出文件创建失败。";
inline constexpr std::u16string_view kExportDone = u"导出完毕。";
// A write that fails part-way (a full disk) must not pass for a finished export. What was
// written stays where it is: the user named that file, and the message names it again.
inline constexpr std::u16string_view kExportWriteFailed =
    u"写入输出文件时出错（磁盘可能已满），列表没有完整导出。\r\n"
    u"文件中只有已写入的部分：\r\n";

inline constexpr char kExportByteOrderMark[] = {'\xFF', '\xFE'};

// Appends the line of one row, as UTF-16LE bytes; a missing label contributes nothing.
void AppendExportLine(std::string& bytes, const std::optional<std::u16string>& left,
                      const std::optional<std::u16string>& right);

// "导出列表": asks for a file, writes every row of the list into it and says how it went.
void OnExportList(CListGrid& grid, CCommandWindow& window, COutputFile& file);
