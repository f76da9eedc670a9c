// Byte-for-byte comparison of two files, 64 KiB at a time, stoppable after every block.
#include "core/app/CMainCommands.h"
#include "core/app/ControlIds.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/CaseFold.h"

#include <cstring>
#include <memory>

int CMainCommands::SameContent(const char16_t* a, const char16_t* b) {
    if (!a || !b || !*a || !*b) return 0;
    // One file reached through two overlapping source folders is not its own duplicate.
    if (EqualIgnoringCase(a, b)) return 0;
    auto fileA = fileSystem->OpenForReading(a);
    if (!fileA) return 0;
    auto fileB = fileSystem->OpenForReading(b);
    if (!fileB) return 0;
    constexpr uint32_t kBlock = 65536;
    const auto blockA = std::make_unique<unsigned char[]>(kBlock);
    const auto blockB = std::make_unique<unsigned char[]>(kBlock);
    for (;;) {
        const int64_t readA = fileA->Read(blockA.get(), kBlock);
        if (readA < 0) return 0;
        const int64_t readB = fileB->Read(blockB.get(), kBlock);
        if (readB < 0 || readA != readB) return 0;
        if (readA == 0) return 1;
        if (std::memcmp(blockA.get(), blockB.get(), static_cast<size_t>(readA)) != 0) return 0;
        if (ShouldStop()) return 0;
    }
}

// The literal pass: every record in turn against each later one of its size. It reads an
// anchor again for every candidate, so the program runs the read-once pass instead; this one
// stays as the measure that pass must match row for row.
void CMainCommands::ListDuplicatesPairwise() {
    const CPathPool& pool = ScanPathPool();
    FileRecord* files = fileTable.begin();
    const uint32_t n = fileTable.fileCount;
    for (uint32_t i = 0; i < n; ++i) {
        if (ShouldStop()) return;
        ShowProgress(IDC_EXAMINED, static_cast<int32_t>(i));
        const FileRecord& anchor = files[i];
        if (anchor.IsEmpty()) return; // the zero-length files come last
        const char16_t* anchorPath = pool.Get(anchor.pathIndex);
        if (anchor.listed || !anchorPath || !*anchorPath) continue;
        ShowProgress(IDC_STATUS, anchorPath);
        for (uint32_t j = i + 1; j < n; ++j) {
            if (ShouldStop()) break;
            FileRecord& candidate = files[j];
            if (candidate.IsEmpty() || candidate.sizeHigh != anchor.sizeHigh ||
                candidate.sizeLow != anchor.sizeLow)
                break;
            const char16_t* path = pool.Get(candidate.pathIndex);
            if (candidate.listed || !path) continue;
            if (SameContent(anchorPath, path) == 1) AppendDuplicate(anchorPath, path, candidate);
        }
    }
}
