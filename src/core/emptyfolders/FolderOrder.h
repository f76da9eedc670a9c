#pragma once

#include "core/scan/FileRecord.h"

// The order in which the empty-folder search tests its folders: more backslashes first, so
// that every folder comes after all the folders inside it; at equal depth the platform's
// locale order reversed (…\b before …\a). Paths are read from the scans' pool.
int CompareByDepth(const FileRecord& a, const FileRecord& b);
