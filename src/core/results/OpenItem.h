#pragma once

#include "core/window/CCommandWindow.h"

#include <optional>
#include <string>
#include <string_view>

// The folder a path lives in, which becomes the working directory of whatever opens it: the
// path cut at its last backslash ("D:" for a file directly under a drive root). Nothing for a
// label without a backslash: the placeholders "(空文件)" and "(空文件夹)" name no file.
std::optional<std::u16string> ContainingFolder(std::u16string_view path);

// A double click on a labelled cell of either list: the path goes to the shell's default
// action; a placeholder is left alone.
void OpenItem(CCommandWindow& window, const std::u16string& label);
