#pragma once

#include "core/scan/CFileIdTable.h"
#include "core/scan/CSrchDir.h"
#include "core/scan/FileRecord.h"

// The two walkers of the file scan: one counts the files below a root, the other fills one
// record per file into a table sized by that count.

class CFileCounter : public CSrchDir {
public:
    using CSrchDir::CSrchDir;
    uint32_t Count(std::u16string_view root);
    uint32_t count = 0;

protected:
    void OnFile(const std::u16string& path, const DirEntry& entry) override;
    void OnEnterFolder(const std::u16string& path, const DirEntry& entry) override;
};

class CFileRecorder : public CSrchDir {
public:
    // `criterion` says which name key each record gets (see ScanFiles); what the listing says
    // of each file's identity goes to `ids`.
    CFileRecorder(IFileSystem& fileSystem, IScanProgress& progress, int32_t criterion,
                  CFileIdTable& ids)
        : CSrchDir(fileSystem, progress), criterion(criterion), ids(ids) {}
    // Fills records from `cursor` on, never at or past `end`: files that appeared since the
    // count are passed over, so the table is never overrun.
    void Record(std::u16string_view root, int32_t folderIndex, FileRecord* cursor, FileRecord* end);
    FileRecord* cursor = nullptr;
    FileRecord* end = nullptr;
    int32_t folderIndex = 0;

protected:
    void OnFile(const std::u16string& path, const DirEntry& entry) override;

private:
    int32_t criterion;
    CFileIdTable& ids;
};
