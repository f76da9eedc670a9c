#pragma once

#include <string>
#include <string_view>

// The folder that holds a dropped item which is not a folder itself: the path cut at its last
// backslash, with no limit on its length. A drive root keeps its backslash (C:\x.txt gives
// C:\), a share does not (\\server\share\x.txt gives \\server\share). A path with no
// backslash, or none past the two that open a share, names no folder and gives nothing.
std::u16string HoldingFolder(std::u16string_view path);
