// Byte-for-byte comparison of two files, 64 KiB at a time, stoppable after every block.
#include "core/dupes/CDuplicateSearch.h"
#include "core/platform/FileFingerprint.h"
#include "core/platform/ListedFile.h"
#include "core/scan/ScanPathPool.h"
#include "core/text/CaseFold.h"

#include <algorithm>
#include <cstring>
#include <memory>

int CDuplicateSearch::SameContent(const char16_t* a, const char16_t* b) {
    std::optional<FileState> stateA, stateB;
    return SameListedContent(a, std::nullopt, b, std::nullopt, stateA, stateB);
}

int CDuplicateSearch::SameListedContent(const char16_t* a, const std::optional<FileId>& listedA,
                                        const char16_t* b, const std::optional<FileId>& listedB,
                                        std::optional<FileState>& stateA,
                                        std::optional<FileState>& stateB) {
    if (!a || !b || !*a || !*b) return 0;
    // One file reached through two overlapping source folders is not its own duplicate.
    if (EqualIgnoringCase(a, b)) return 0;
    auto fileA = OpenListedFile(fileSystem, a, listedA, &stateA);
    if (!fileA) return 0;
    auto fileB = OpenListedFile(fileSystem, b, listedB, &stateB);
    // Nor is it when two names reach it (the platform need not refuse the second open).
    if (!fileB || (stateA && stateB && SameFile(stateA->id, stateB->id))) return 0;
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
        if (progress.ShouldStop()) return 0;
    }
}

// The literal pass: every record in turn against each later one of its size. It reads an
// anchor again for every candidate, so the program runs the read-once pass instead; this one
// stays as the measure that pass must match row for row.
void CDuplicateSearch::ListDuplicatesPairwise() {
    const CPathPool& pool = ScanPathPool();
    FileRecord* files = table.begin();
    const uint32_t n = table.fileCount;
    std::vector<FileId> reached; // the files the anchor's rows name so far
    for (uint32_t i = 0; i < n; ++i) {
        if (progress.ShouldStop()) return;
        progress.ShowCount(ScanField::kExamined, i);
        const FileRecord& anchor = files[i];
        if (anchor.IsEmpty()) return; // the zero-length files come last
        const char16_t* anchorPath = pool.Get(anchor.pathIndex);
        if (anchor.listed || !anchorPath || !*anchorPath) continue;
        progress.Show(ScanField::kStatus, anchorPath);
        reached.clear();
        for (uint32_t j = i + 1; j < n; ++j) {
            if (progress.ShouldStop()) break;
            FileRecord& candidate = files[j];
            if (candidate.IsEmpty() || candidate.sizeHigh != anchor.sizeHigh ||
                candidate.sizeLow != anchor.sizeLow)
                break;
            const char16_t* path = pool.Get(candidate.pathIndex);
            if (candidate.listed || !path) continue;
            std::optional<FileState> anchorState, state;
            if (SameListedContent(anchorPath, ids.At(i), path, ids.At(j), anchorState, state) != 1)
                continue;
            const std::optional<FileId> id =
                state ? std::optional<FileId>(state->id) : std::nullopt;
            // A second name of a file already in a row is that file, not another copy.
            if (id && std::any_of(reached.begin(), reached.end(),
                                  [&](const FileId& other) { return SameFile(*id, other); }))
                continue;
            if (id) reached.push_back(*id);
            AppendDuplicate(anchorPath, path, candidate, Fingerprint(anchorState),
                            Fingerprint(state));
        }
    }
}
