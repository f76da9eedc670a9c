#pragma once

#include "core/platform/IFileSystem.h"
#include "core/scan/FileRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What the listings told about which file on disk each recorded path is, kept for a whole
// drive at 20 bytes a recorded file while the scan fills the table, and at 16 bytes after it,
// given back as the content pass leaves the positions behind.
class CFileIdTable {
public:
    // Room for `count` identities, so that filling the table never copies it.
    void Reserve(uint32_t count);
    // The identity of the file recorded with this path index; nothing replaces what was noted.
    void Note(int32_t pathIndex, const std::optional<FileId>& id);
    // Frees everything.
    void Clear();
    // Records that are one file on disk count once: all but the first in table order are
    // marked as listed. From then on the identities are found by table position. `poll`, when
    // given, is called every few thousand steps: a drive's table takes a while.
    void MarkSecondNames(FileRecord* first, FileRecord* last,
                         const std::function<void()>& poll = nullptr);
    // What the listing said of the file at this position of the marked table, if anything.
    std::optional<FileId> At(uint32_t position) const;
    // The positions before this one will not be asked again.
    void ReleaseBefore(uint32_t position);

private:
    static constexpr unsigned kChunkShift = 16;
    static constexpr size_t kChunk = size_t{1} << kChunkShift;

    FileId& Slot(size_t k) { return chunks[k >> kChunkShift][k & (kChunk - 1)]; }
    const FileId& Slot(size_t k) const { return chunks[k >> kChunkShift][k & (kChunk - 1)]; }
    // Makes room for `size` slots.
    void Grow(size_t size);

    // Ascending, as the pool hands out path indices; slot k belongs to pathIndices[k].
    std::vector<int32_t> pathIndices;
    // The identities in chunks, so that the ones behind the content pass can be freed.
    std::vector<std::unique_ptr<FileId[]>> chunks;
    // After marking: which positions have an identity.
    std::vector<bool> known;
};
