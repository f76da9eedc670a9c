#pragma once

#include "core/platform/IFileSystem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Splits the files of one run of equal size into groups of byte-identical files, reading
// every byte of every file at most once. All files of a group are read side by side, a chunk
// at a time, and the group splits wherever the chunks differ; a file left alone stops being
// read. Equality is always decided by comparing bytes; a hash only picks the bucket to look
// in. A file that cannot be opened or fails while read is different from every other.
class CContentGrouper {
public:
    struct Limits {
        // Files open at once. A group larger than this closes files between chunks and opens
        // them again where they stopped, so no byte is read twice.
        size_t maxOpen = 256;
        // Bytes of chunks held to compare against: a large group reads smaller chunks.
        size_t chunkMemory = 32u << 20;
    };
    static constexpr uint32_t kBlock = 65536;
    static constexpr uint32_t kMinChunk = 512;

    CContentGrouper(IFileSystem& fileSystem, std::function<bool()> stopQuery);
    CContentGrouper(IFileSystem& fileSystem, std::function<bool()> stopQuery, Limits limits);
    ~CContentGrouper();
    CContentGrouper(const CContentGrouper&) = delete;
    CContentGrouper& operator=(const CContentGrouper&) = delete;

    // What the listing said of the file of a path (its position in `paths`), if anything.
    using ListedId = std::function<std::optional<FileId>(uint32_t)>;

    // `paths` in table order, files the listing gave `size` bytes. Fills `groupOf` with one
    // number per path: files with the same non-negative number are identical and are different
    // files on disk; -1 stands for a file equal to no other. A file opens only as the file its
    // listing named (`listedId`, when given). False when the stop query asked to stop (then
    // `groupOf` means nothing).
    bool Group(const std::vector<const char16_t*>& paths, const ListedId& listedId, uint64_t size,
               std::vector<int32_t>& groupOf);
    bool Group(const std::vector<const char16_t*>& paths, uint64_t size,
               std::vector<int32_t>& groupOf) {
        return Group(paths, nullptr, size, groupOf);
    }

    // The fingerprint of what the file of a path was when the last Group first opened it; 0
    // when it was never opened or the platform could not tell. A later open that found it
    // otherwise failed.
    uint64_t OpenedFingerprint(uint32_t path) const { return openedPrints[path]; }

    // The most files that were open at once during the last Group.
    size_t MostOpen() const { return mostOpen; }

    // Told of each file of the run (its position in `paths`) the first time Group tries to
    // open it, so that a long run can show how far it got.
    std::function<void(uint32_t path)> onFirstOpen;

private:
    struct Member;
    struct Rep;
    struct Part {
        uint32_t begin;
        uint32_t end;
        // The stretch at the end of the files read ahead of its turn, once the group is too
        // large to stay open (none while 0).
        uint32_t tailLength = 0;
        bool ended = false; // its files ended within the chunk: nothing more to read
    };

    // Reads the next chunk of the files order[part.begin, part.end), or the stretch at their
    // end when `tail` is set, and reorders them so that the sub-groups stand side by side, in
    // the order their first files had; files dropped (not to be had, or failing) go after
    // them. `parts` gets the sub-groups.
    bool SplitRange(const Part& part, bool tail, std::vector<Part>& parts);
    // Whether a group should read the end of its files before going on from the front.
    bool ShouldReadTail(const Part& part) const;
    // The file of member m, open at `at`; false when it cannot be had.
    bool OpenAt(uint32_t m, uint64_t at, uint32_t round);
    bool Reopen(uint32_t m, uint64_t at, uint32_t round);
    void Close(uint32_t m);
    uint32_t ChunkFor(size_t groupSize) const;
    // Numbers the files of a finished part as one group, but for second names of a file
    // already in it: with few files open at a time, two names of one file can each be read.
    void NumberGroup(const Part& part, int32_t& nextGroup, std::vector<int32_t>& groupOf);
    std::optional<FileId> ListedIdOf(uint32_t m) const {
        return listedId && *listedId ? (*listedId)(m) : std::nullopt;
    }
    void ReleaseWorkingMemory();

    IFileSystem& fileSystem;
    std::function<bool()> stopQuery;
    Limits limits;
    const std::vector<const char16_t*>* paths = nullptr;
    const ListedId* listedId = nullptr;
    // What the first open of each member found; a later open must find the same.
    std::vector<uint64_t> openedPrints;
    // Which file each member's first open reached, where the listing did not say; empty while
    // every listing said.
    std::vector<std::optional<FileId>> unlistedIds;
    // Per file of the run, kept small: a run can hold a quarter of a drive.
    std::vector<Member> members;
    std::vector<uint32_t> order; // the run's files, every group a contiguous range
    std::vector<uint32_t> openMembers;
    std::vector<std::unique_ptr<IReadableFile>> openFiles; // beside openMembers
    // The working memory of one split, kept between splits.
    std::vector<Rep> reps;
    std::vector<uint32_t> repOf;
    std::vector<uint32_t> slots;
    std::vector<uint32_t> sorted;
    size_t mostOpen = 0;
    uint32_t rounds = 0;
    uint64_t fileSize = 0; // what the listing said of the run's files
};
