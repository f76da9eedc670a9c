#pragma once

#include <functional>
#include <string>
#include <string_view>

inline constexpr std::u16string_view kInvalidPathPrefix = u"路径含无效字符（?）：\r\n";

// The check of a name chosen in the save dialog. A '?' cannot stand in a file name, yet the
// dialog may hand one back; such a name is refused with a message that quotes it, and the
// caller treats the refusal as a cancel. True to accept.
bool IsAcceptablePath(std::u16string_view path,
                      const std::function<void(const std::u16string&)>& show);
