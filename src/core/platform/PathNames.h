#pragma once

#include <string_view>

// Whether a name that a folder's listing shows can be reached by a path of the program's form.
// A Linux folder under Wine may hold names no Windows file may have; a path built from one
// opens something else: `y.` and `y ` open `y`, `.\y` opens `y`, `aux.log` the serial port,
// `nul.txt` the null device. Such a name is never counted, listed, opened or entered: the
// walk passes it over, and a folder that holds one is never empty. "." and ".." are fine.
bool IsUnaddressableName(std::u16string_view name);
