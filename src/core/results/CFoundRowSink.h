#pragma once

#include "core/dupes/CDuplicateSearch.h"
#include "core/emptyfolders/EmptyFolderSearch.h"
#include "core/grid/CListGrid.h"
#include "core/results/CFoundRows.h"
#include "core/scan/IScanProgress.h"

#include <cstdint>
#include <string_view>

// What the searches find, as rows of the result list: each row counted and shown as it comes,
// and kept beside it what its files were when found.
class CFoundRowSink final : public IDuplicateSink, public IEmptyFolderSink {
public:
    CFoundRowSink(CListGrid& grid, CFoundRows& prints, IScanProgress& progress,
                  int64_t& duplicateCount, int64_t& emptyCount)
        : grid(grid), prints(prints), progress(progress), duplicateCount(duplicateCount),
          emptyCount(emptyCount) {}

    void Duplicate(std::u16string_view anchor, std::u16string_view path, uint64_t anchorPrint,
                   uint64_t print) override;
    void EmptyFile(std::u16string_view path, uint64_t print) override;
    void EmptyFolder(std::u16string_view path) override;

    // A row and the fingerprints of its two files (0 for a placeholder or a folder).
    void Append(std::u16string_view left, std::u16string_view right, uint64_t leftPrint,
                uint64_t rightPrint);

private:
    CListGrid& grid;
    CFoundRows& prints;
    IScanProgress& progress;
    int64_t& duplicateCount;
    int64_t& emptyCount;
};
