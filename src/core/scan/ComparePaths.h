#pragma once

// Order of full paths: component by component in natural order, ASCII letters folded to
// upper case, '\' and '/' alike as separators; a path sorts after each of its ancestors.
// An absent path (nullptr) counts as one without components. Returns negative, 0 or positive.
int ComparePaths(const char16_t* a, const char16_t* b);
