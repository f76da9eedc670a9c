#pragma once

#include "core/dupes/CContentGrouper.h"
#include "core/platform/IFileSystem.h"
#include "core/scan/CFileIdTable.h"
#include "core/scan/CFileTable.h"
#include "core/scan/IScanProgress.h"
#include "core/scan/ScanFiles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the duplicate search hands what it found, in the order of the rows.
class IDuplicateSink {
public:
    virtual ~IDuplicateSink() = default;
    // `path` holds what `anchor` holds. The fingerprints are of what the two files were when
    // the search found them, so that deletion can tell whether they changed since.
    virtual void Duplicate(std::u16string_view anchor, std::u16string_view path,
                           uint64_t anchorPrint, uint64_t print) = 0;
    virtual void EmptyFile(std::u16string_view path, uint64_t print) = 0;
};

// What the find-duplicates command does once the scan has filled and sorted the table: list
// the duplicates by content or by name key, then the empty files. A file listed as the second
// file of a row is marked in the table and is never listed again.
class CDuplicateSearch {
public:
    CDuplicateSearch(IFileSystem& fileSystem, IScanProgress& progress, IDuplicateSink& sink,
                     CFileTable& table, CFileIdTable& ids)
        : fileSystem(fileSystem), progress(progress), sink(sink), table(table), ids(ids) {}

    // How many files the content pass keeps open and how much it holds to compare.
    CContentGrouper::Limits groupingLimits;
    // 1 runs the literal pairwise pass, the measure the read-once pass must match.
    int32_t pairwiseContent = 0;

    // Records that are one file on disk count once: all but the first in table order are
    // passed over as if already listed.
    void PassOverSecondNames();
    // `criterion` is the scan's: 0 by content, else by the name key the records hold.
    int ListDuplicates(int32_t criterion);
    void ListEmptyFiles();
    // 1 when both files were read to their ends and every byte matched.
    int SameContent(const char16_t* a, const char16_t* b);

private:
    void ListDuplicatesByContent();
    void ListDuplicatesPairwise();
    void ListDuplicatesByName();
    // SameContent of two files the listing named: each opens only as the file its listing
    // said, where it said one, and two names that reach one file are not the same content.
    // `stateA` and `stateB` get what the files were when they were opened.
    int SameListedContent(const char16_t* a, const std::optional<FileId>& listedA,
                          const char16_t* b, const std::optional<FileId>& listedB,
                          std::optional<FileState>& stateA, std::optional<FileState>& stateB);
    // The rows of one run of equal size, once its files are grouped: anchors in table order.
    void AppendRunDuplicates(const std::vector<uint32_t>& run,
                             const std::vector<const char16_t*>& paths,
                             const std::vector<int32_t>& groupOf, const CContentGrouper& grouper);
    // The fingerprint of what the file at this table position is now, for its row.
    uint64_t FoundPrint(uint32_t position, const char16_t* path);
    void AppendDuplicate(const char16_t* anchor, const char16_t* path, FileRecord& candidate,
                         uint64_t anchorPrint, uint64_t print);

    IFileSystem& fileSystem;
    IScanProgress& progress;
    IDuplicateSink& sink;
    CFileTable& table;
    CFileIdTable& ids;
};

// The find-duplicates search as one step: the scan of `folders` into `table`, then the passes
// of CDuplicateSearch, then the empty files when `checkEmptyFiles` is 1. Returns how the scan
// ended; a stop during the passes is the progress's to know.
struct DuplicateSettings {
    int32_t criterion = 0;
    int32_t checkEmptyFiles = 1;
    CContentGrouper::Limits groupingLimits;
    int32_t pairwiseContent = 0;
};
ScanOutcome FindDuplicates(IFileSystem& fileSystem, IScanProgress& progress, IDuplicateSink& sink,
                           const std::vector<std::u16string>& folders,
                           const DuplicateSettings& settings, CFileTable& table, CFileIdTable& ids);
