#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The working directory that `path` opens in: a shortcut's own when the shortcut can be read
// (which takes the component library, initialised on the calling thread), else the folder
// that holds the path. Nothing for a label without a folder (a placeholder).
std::optional<std::wstring> OpenWorkingDirectory(HWND owner, const std::u16string& path);

// Hands the path itself (a shortcut file, not its target) to the shell's default action, as
// the file manager would open it. True when the shell reports success; failures are silent.
bool OpenPath(HWND owner, const std::u16string& path);
