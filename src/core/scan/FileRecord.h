#pragma once

#include <cstdint>

// One file (or, in the empty-folder search, one folder) found by a scan. Records hold no
// strings, only pool indices, so that sorting the table moves six numbers per record.
struct FileRecord {
    int32_t folderIndex; // row of the source folder the walk started from
    uint32_t sizeHigh;
    uint32_t sizeLow;
    int32_t pathIndex; // what CPathPool::Add returned for the full path (may be 0, -1, -2)
    int32_t nameIndex; // same for the name key; 0 when matching by content
    int32_t listed;    // 1 once the file was listed as the second file of a duplicate row

    uint64_t Size() const { return (uint64_t{sizeHigh} << 32) | sizeLow; }
    bool IsEmpty() const { return sizeHigh == 0 && sizeLow == 0; }
};

static_assert(sizeof(FileRecord) == 24, "six 32-bit fields, no padding");
