#pragma once

#include <cstdint>
#include <string>

// What a failed attempt to open a link tells the user: the shell's result code in words.
std::u16string LinkErrorText(int32_t result);

// The whole message of the box: a heading, a blank line, then the text for `result`.
std::u16string LinkErrorMessage(int32_t result);
