#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The fallback for opening a link where the shell cannot: the command line that the ".htm"
// association names, with its placeholder for the document cut off and the link appended.

// Cuts `commandLine` at the quoted placeholder "%1" (at its opening quote), else at a bare
// %1; a line without either stays whole.
std::u16string CutAtPlaceholder(std::u16string_view commandLine);

// The command line to run: the cut line, a space, the link.
std::u16string HtmCommandLine(std::u16string_view commandLine, std::u16string_view url);

// A string value as the registry hands it over: `bytes` bytes that may lack a terminator,
// end in half a code unit, or hold a terminator before their end. Only what comes before the
// first terminator counts.
std::u16string RegistryText(const char16_t* data, size_t bytes);
