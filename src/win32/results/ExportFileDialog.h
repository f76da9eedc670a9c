#pragma once

#include "win32/choosers/CSingleFileSel.h"

#include <string>

// The save dialog of "导出列表": no initial name, "txt" added to a bare name, text files
// listed first, the read-only box hidden, a question before an existing file is replaced.
// False when cancelled or refused; else `path` is the chosen file.
bool ChooseExportFile(HWND owner, const CSingleFileSel::ShowMessage& show, std::u16string& path);
