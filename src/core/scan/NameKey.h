#pragma once

#include <string>
#include <string_view>

// A file name without its extension, by the platform's rule: the last dot and what follows
// it go, unless a space follows that dot somewhere ("report.2016.doc" -> "report.2016",
// ".hidden" -> "", "a." -> "a", "archive" stays).
std::u16string WithoutExtension(std::u16string_view name);
