#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// What a folder chosen in the folder browser must look like before the list takes it.

// Paths read from controls, drops and the shell live in buffers of this many code units,
// the terminator included.
inline constexpr size_t kPathBufferUnits = 2048;

// A test of the form only: a drive letter, ':' and '\', then components that are not empty,
// neither begin nor end with a tab, a space or '.', and hold none of the characters the
// platform forbids in a name. A drive root (D:\) passes; a trailing '\' after a component
// does not.
bool IsValidFolderPath(std::u16string_view path);

// Whether the browser may close with `path`. The form is tested before `exists` is asked, so
// that a mistyped \\server\share never sends the platform out onto the network.
bool IsAcceptableFolder(std::u16string_view path,
                        const std::function<bool(std::u16string_view)>& exists);

// What the browser says when it refuses a path.
std::u16string InvalidFolderMessage(std::u16string_view path);
