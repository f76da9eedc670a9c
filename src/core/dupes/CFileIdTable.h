#pragma once

#include "core/platform/IFileSystem.h"
#include "core/scan/FileRecord.h"

#include <cstdint>
#include <optional>
#include <vector>

// What the listings told about which file on disk each recorded path is, kept for a whole
// drive at 20 bytes a recorded file that has an identity and nothing for one that has none.
class CFileIdTable {
public:
    // Room for `count` identities, so that filling the table never copies it.
    void Reserve(uint32_t count);
    // The identity of the file recorded with this path index; nothing replaces what was noted.
    void Note(int32_t pathIndex, const std::optional<FileId>& id);
    // Frees everything.
    void Clear();
    // Records that are one file on disk count once: all but the first in table order are
    // marked as listed.
    void MarkSecondNames(FileRecord* first, FileRecord* last);
    // What the listing said of the file recorded with this path index, if anything.
    std::optional<FileId> Find(int32_t pathIndex) const;

private:
    // Ascending, as the pool hands out path indices; ids[k] belongs to pathIndices[k].
    std::vector<int32_t> pathIndices;
    std::vector<FileId> ids;
};
