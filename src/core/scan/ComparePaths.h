#pragma once

// Order of full paths: component by component in natural order, ASCII letters folded to
// upper case, '\' and '/' alike as separators; a path sorts after each of its ancestors.
// An absent path (nullptr) counts as one without components. Returns negative, 0 or positive.
int ComparePaths(const char16_t* a, const char16_t* b);

// Whether `path` is `folder` or lies below it in that order's terms: each component of
// `folder` compares equal to the one in the same place of `path`.
bool PathIsWithin(const char16_t* folder, const char16_t* path);
