#pragma once

#include "core/scan/FileRecord.h"

#include <cstdint>
#include <memory>

// The records of the last scan, allocated at exactly the counted size.
class CFileTable {
public:
    std::unique_ptr<FileRecord[]> files;
    uint32_t fileCount = 0;
    // The most records Allocate grants; lowered by tests to see a table that cannot be had.
    uint32_t limit = UINT32_MAX;

    // Frees the records; afterwards there is no table and the count is 0.
    void Release();
    // Replaces the table with `count` zeroed records. False (and no table) when the memory
    // cannot be had; the caller reports that.
    bool Allocate(uint32_t count);

    FileRecord* begin() { return files.get(); }
    FileRecord* end() { return files.get() + fileCount; }
};
