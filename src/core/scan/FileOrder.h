#pragma once

#include "core/scan/FileRecord.h"

#include <functional>

// The two orders of the file table. Both break every tie down to the path, so the result of
// sorting does not depend on the sort's stability.

// Size descending, then the source folder's position, then the path.
int CompareBySize(const FileRecord& a, const FileRecord& b);
// Name key in natural order, then the source folder's position, then the path.
int CompareByName(const FileRecord& a, const FileRecord& b);

// Sorts records [first, last) by one of the orders above. `poll`, when given, is called every
// few thousand comparisons, so that a window stays alive through a long sort.
void SortFileTable(FileRecord* first, FileRecord* last,
                   int (*compare)(const FileRecord&, const FileRecord&),
                   const std::function<void()>& poll = nullptr);
