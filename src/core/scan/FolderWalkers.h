#pragma once

#include "core/scan/CSrchDir.h"
#include "core/scan/FileRecord.h"

// The two walkers of the empty-folder search: one counts the folders below a root, the other
// fills one record per folder (its path with the trailing backslash) into a table sized by
// that count.

class CFolderCounter : public CSrchDir {
public:
    using CSrchDir::CSrchDir;
    uint32_t Count(std::u16string_view root);
    uint32_t count = 0;

protected:
    void OnEnterFolder(const std::u16string& path, const DirEntry& entry) override;
};

class CFolderRecorder : public CSrchDir {
public:
    using CSrchDir::CSrchDir;
    // As CFileRecorder: never writes at or past `end`.
    void Record(std::u16string_view root, FileRecord* cursor, FileRecord* end);
    FileRecord* cursor = nullptr;
    FileRecord* end = nullptr;

protected:
    void OnEnterFolder(const std::u16string& path, const DirEntry& entry) override;
};
