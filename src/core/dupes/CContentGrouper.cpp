#include "core/dupes/CContentGrouper.h"

#include "core/platform/FileFingerprint.h"
#include "core/platform/ListedFile.h"

#include <algorithm>
#include <cstring>

namespace {

// Below this many files a chunk is compared with each distinct chunk directly; hashing it
// first would only read it once more.
constexpr size_t kDirectCompare = 8;

uint64_t Load(const unsigned char* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Picks a bucket, nothing more: four independent lanes keep it near memory speed.
uint64_t BucketOf(const unsigned char* p, size_t n) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    uint64_t lane[4] = {n, kMul, ~n, kMul >> 7};
    size_t i = 0;
    for (; i + 32 <= n; i += 32)
        for (int k = 0; k < 4; ++k) lane[k] = (lane[k] ^ Load(p + i + 8 * k)) * kMul;
    uint64_t tail = 0;
    for (; i < n; ++i) tail = (tail << 8 | p[i]) * 31;
    uint64_t h = lane[0] ^ (lane[1] << 1) ^ (lane[2] << 2) ^ (lane[3] << 3) ^ tail;
    h ^= h >> 29;
    return h * kMul;
}

constexpr uint32_t kNone = UINT32_MAX;

// The stretch at the end of the files that a large group reads with its first chunk: files of
// one size that differ at all often differ there (trailers, counters, checksums), and each
// round of a group that cannot stay open costs an open of every file.
constexpr uint32_t kTail = 4096;

} // namespace

struct CContentGrouper::Member {
    uint64_t offset = 0;
    uint32_t openSlot = kNone; // where it stands in openMembers, when open
    uint32_t inRound = 0;      // the round of the group it belongs to
    uint32_t readRound = 0;    // the last round it was read in
    bool displaced = false;    // its open file stands elsewhere than `offset`
    bool tried = false;        // an open was tried
};

struct CContentGrouper::Rep {
    size_t at;      // where its chunk starts in the round's store
    uint32_t size;  // bytes of the chunk
    uint32_t count; // files with this chunk; later where they start
    uint32_t bucket;
    // How far after `at` the chunk goes on past what was read from the front: files that
    // differ only at the end share one copy of their front.
    uint32_t restGap;
};

CContentGrouper::CContentGrouper(IFileSystem& fileSystem, std::function<bool()> stopQuery)
    : CContentGrouper(fileSystem, std::move(stopQuery), Limits{}) {}

CContentGrouper::CContentGrouper(IFileSystem& fileSystem, std::function<bool()> stopQuery,
                                 Limits limits)
    : fileSystem(fileSystem), stopQuery(std::move(stopQuery)), limits(limits) {
    // An open refused only because too many are open would drop a file from its group.
    this->limits.maxOpen =
        std::max<size_t>(std::min(this->limits.maxOpen, fileSystem.OpenFileLimit()), 1);
}

CContentGrouper::~CContentGrouper() = default;

uint32_t CContentGrouper::ChunkFor(size_t groupSize) const {
    size_t chunk = limits.chunkMemory / std::max<size_t>(groupSize, 1);
    chunk = std::clamp<size_t>(chunk, kMinChunk, kBlock);
    return static_cast<uint32_t>(chunk - chunk % kMinChunk);
}

bool CContentGrouper::Group(const std::vector<const char16_t*>& paths, const ListedId& listed,
                            uint64_t size, std::vector<int32_t>& groupOf) {
    groupOf.assign(paths.size(), -1);
    mostOpen = 0;
    if (paths.size() < 2) return true;
    this->paths = &paths;
    listedId = &listed;
    // Reallocated, as the last run's may have been far larger.
    openedPrints = std::vector<uint64_t>(paths.size());
    unlistedIds = {};
    fileSize = size;
    const auto n = static_cast<uint32_t>(paths.size());
    members.assign(n, Member{});
    order.resize(n);
    for (uint32_t i = 0; i < n; ++i) order[i] = i;

    std::vector<Part> work{Part{0, n}};
    std::vector<Part> parts;
    int32_t nextGroup = 0;
    bool finished = true;
    while (!work.empty()) {
        const Part group = work.back();
        work.pop_back();
        if (!SplitRange(group, ShouldReadTail(group), parts)) {
            finished = false;
            break;
        }
        // Depth first, so that the files of one group are done with before the next opens.
        for (size_t p = parts.size(); p-- > 0;) {
            const Part& part = parts[p];
            if (part.end - part.begin == 1 || part.ended) {
                for (uint32_t k = part.begin; k < part.end; ++k) Close(order[k]);
                if (part.end - part.begin > 1) NumberGroup(part, nextGroup, groupOf);
            } else {
                work.push_back(part);
            }
        }
    }
    while (!openMembers.empty()) Close(openMembers.back());
    ReleaseWorkingMemory();
    return finished;
}

void CContentGrouper::NumberGroup(const Part& part, int32_t& nextGroup,
                                  std::vector<int32_t>& groupOf) {
    // Even where every listing named its file, two listings may have named one file: a group
    // never counts a file twice, whoever called.
    const auto idOf = [this](uint32_t m) {
        const std::optional<FileId> listed = ListedIdOf(m);
        return listed || unlistedIds.empty() ? listed : unlistedIds[m];
    };
    // The names of one file side by side, each identity's in table order; only the first
    // joins the group, as a second name is passed over where the listing tells identities.
    std::vector<std::pair<std::optional<FileId>, uint32_t>> files;
    files.reserve(part.end - part.begin);
    for (uint32_t k = part.begin; k < part.end; ++k) files.emplace_back(idOf(order[k]), order[k]);
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        const std::optional<FileId>& x = a.first;
        const std::optional<FileId>& y = b.first;
        if (x.has_value() != y.has_value()) return x.has_value() < y.has_value();
        if (x && x->index != y->index) return x->index < y->index;
        if (x && x->volume != y->volume) return x->volume < y->volume;
        return a.second < b.second;
    });
    uint32_t members = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::optional<FileId>& id = files[i].first;
        const bool second = i > 0 && id && files[i - 1].first && SameFile(*id, *files[i - 1].first);
        groupOf[files[i].second] = second ? -1 : nextGroup;
        members += second ? 0 : 1;
    }
    if (members > 1) {
        ++nextGroup;
        return;
    }
    for (const auto& file : files) groupOf[file.second] = -1;
}

void CContentGrouper::ReleaseWorkingMemory() {
    // The result list grows run by run: what one large run needed is not kept for the rest.
    members = {};
    order = {};
    reps = {};
    repOf = {};
    slots = {};
    sorted = {};
    paths = nullptr;
    listedId = nullptr;
}

bool CContentGrouper::ShouldReadTail(const Part& part) const {
    const uint32_t count = part.end - part.begin;
    if (part.tailLength != 0 || count <= limits.maxOpen) return false;
    const uint32_t chunk = ChunkFor(count);
    // Only while more than a chunk lies between the front and the end.
    const uint64_t offset = members[order[part.begin]].offset;
    return fileSize > chunk && offset + chunk < fileSize - chunk / 2;
}

bool CContentGrouper::SplitRange(const Part& part, bool tail, std::vector<Part>& parts) {
    const uint32_t begin = part.begin;
    const uint32_t end = part.end;
    const uint32_t round = ++rounds;
    const uint32_t size = end - begin;
    // What one file reads this round: `front` bytes from where the group stands, and in a
    // round with the tail the stretch at the end after them, `chunk` bytes in all.
    uint32_t chunk = ChunkFor(size);
    uint32_t front = chunk;
    uint32_t tailLength = part.tailLength;
    uint64_t tailAt = tailLength != 0 ? fileSize - tailLength : 0;
    // The files of a group stand at one offset; the front passes over the stretch read early.
    uint64_t from = members[order[begin]].offset;
    if (tail) {
        tailLength = std::min(chunk / 2, kTail);
        tailAt = fileSize - tailLength;
        front = chunk - tailLength;
    } else if (tailLength != 0 && from == tailAt) {
        from += tailLength;
    } else if (tailLength != 0 && from < tailAt) {
        chunk = front = static_cast<uint32_t>(std::min<uint64_t>(chunk, tailAt - from));
    }
    for (uint32_t k = begin; k < end; ++k) members[order[k]].inRound = round;

    reps.clear();
    repOf.assign(size, kNone);
    const bool hashed = size > kDirectCompare;
    size_t slotMask = 0;
    if (hashed) {
        size_t count = 16;
        while (count < 2 * size_t{size}) count *= 2;
        slots.assign(count, kNone);
        slotMask = count - 1;
    }
    // The distinct chunks of the round, one after another. A chunk is read straight to the end
    // of it and kept there only when it is new; only the end of a chunk whose front the last
    // one shares is moved down over that front.
    std::unique_ptr<unsigned char[]> store;
    size_t used = 0, capacity = 0;
    for (uint32_t i = 0; i < size; ++i) {
        if (stopQuery()) return false;
        const uint32_t m = order[begin + i];
        Member& member = members[m];
        if (member.offset != from) {
            member.offset = from;
            member.displaced = true;
        }
        if (!OpenAt(m, from, round)) continue;
        if (used + chunk > capacity) {
            // Never more than every file's chunk: the budget holds even when all differ.
            const size_t grown =
                std::min(std::max(2 * capacity, used + chunk), size_t{chunk} * size);
            auto larger = std::make_unique_for_overwrite<unsigned char[]>(grown);
            if (used) std::memcpy(larger.get(), store.get(), used);
            store = std::move(larger);
            capacity = grown;
        }
        unsigned char* const chunkAt = store.get() + used;
        IReadableFile& file = *openFiles[member.openSlot];
        int64_t n = file.Read(chunkAt, front);
        if (n >= 0) {
            member.offset += static_cast<uint64_t>(n);
            member.displaced = false;
        }
        // A file that ended within its front has nothing at the end: the stretch lies beyond.
        if (tail && n == front) {
            const int64_t more = file.Seek(tailAt) ? file.Read(chunkAt + n, tailLength) : -1;
            n = more < 0 ? -1 : n + more;
            member.displaced = true;
        }
        if (n < 0) {
            Close(m);
            continue;
        }
        member.readRound = round;
        const auto bytes = static_cast<uint32_t>(n);
        // Equal sizes mean equal fronts: a file that ended in its front read no tail.
        const uint32_t split = tail && bytes >= front ? front : bytes;
        const auto same = [&](const Rep& rep) {
            const unsigned char* kept = store.get() + rep.at;
            return rep.size == bytes && std::memcmp(kept, chunkAt, split) == 0 &&
                   std::memcmp(kept + rep.restGap, chunkAt + split, bytes - split) == 0;
        };
        uint32_t found = kNone;
        uint32_t bucket = 0;
        size_t slot = 0;
        if (hashed) {
            bucket = static_cast<uint32_t>(BucketOf(chunkAt, bytes) >> 32);
            for (slot = bucket & slotMask; slots[slot] != kNone; slot = (slot + 1) & slotMask) {
                const Rep& rep = reps[slots[slot]];
                if (rep.bucket == bucket && same(rep)) {
                    found = slots[slot];
                    break;
                }
            }
        } else {
            for (uint32_t r = 0; r < reps.size(); ++r)
                if (same(reps[r])) {
                    found = r;
                    break;
                }
        }
        if (found == kNone) {
            found = static_cast<uint32_t>(reps.size());
            if (hashed) slots[slot] = found;
            Rep added{used, bytes, 0, bucket, split};
            const Rep* last = reps.empty() ? nullptr : &reps.back();
            if (tail && split == front && front > 0 && last && last->size >= front &&
                used - last->at <= UINT32_MAX &&
                std::memcmp(store.get() + last->at, chunkAt, front) == 0) {
                added.at = last->at;
                added.restGap = static_cast<uint32_t>(used - last->at);
                std::memmove(chunkAt, chunkAt + front, bytes - front);
                used += bytes - front;
            } else {
                used += bytes;
            }
            reps.push_back(added);
        }
        ++reps[found].count;
        repOf[i] = found;
    }
    // A stable counting sort by chunk keeps every sub-group in the order of the run.
    uint32_t at = 0;
    parts.clear();
    for (Rep& rep : reps) {
        // Files whose front ended have been read whole; what was read at the end is no end.
        parts.push_back(Part{begin + at, begin + at + rep.count, tailLength, rep.size < front});
        const uint32_t count = rep.count;
        rep.count = at;
        at += count;
    }
    sorted.resize(size);
    uint32_t dropped = at;
    for (uint32_t i = 0; i < size; ++i)
        sorted[repOf[i] == kNone ? dropped++ : reps[repOf[i]].count++] = order[begin + i];
    std::copy(sorted.begin(), sorted.end(), order.begin() + begin);
    return true;
}

bool CContentGrouper::OpenAt(uint32_t m, uint64_t at, uint32_t round) {
    Member& member = members[m];
    if (member.openSlot == kNone) return Reopen(m, at, round);
    if ((member.displaced || at != member.offset) && !openFiles[member.openSlot]->Seek(at)) {
        Close(m);
        return false;
    }
    return true;
}

bool CContentGrouper::Reopen(uint32_t m, uint64_t at, uint32_t round) {
    if (openMembers.size() >= limits.maxOpen) {
        // Make room with a file that is done for this round, or one whose group waits; only
        // when every open file still has to be read now, the one read last gives way.
        size_t victim = openMembers.size() - 1;
        for (size_t i = openMembers.size(); i-- > 0;) {
            const Member& other = members[openMembers[i]];
            if (other.inRound != round || other.readRound == round) {
                victim = i;
                break;
            }
        }
        Close(openMembers[victim]);
    }
    Member& member = members[m];
    if (!member.tried) {
        member.tried = true;
        if (onFirstOpen) onFirstOpen(m);
    }
    // The file must be the one listed, and as its first open found it: written to since, it
    // would be compared in parts that were never one file.
    const std::optional<FileId> listed = ListedIdOf(m);
    uint64_t& first = openedPrints[m];
    std::optional<FileState> reached;
    std::unique_ptr<IReadableFile> file = OpenListedFile(fileSystem, (*paths)[m], listed, &reached);
    const uint64_t print = Fingerprint(reached);
    if (file && first != 0 && print != first) file.reset();
    if (file && first == 0) {
        first = print;
        if (!listed) {
            if (unlistedIds.empty()) unlistedIds.resize(paths->size());
            unlistedIds[m] = reached ? std::optional<FileId>(reached->id) : std::nullopt;
        }
    }
    if (file && at != 0 && !file->Seek(at)) file.reset();
    member.displaced = false;
    if (!file) return false;
    member.openSlot = static_cast<uint32_t>(openMembers.size());
    openMembers.push_back(m);
    openFiles.push_back(std::move(file));
    mostOpen = std::max(mostOpen, openMembers.size());
    return true;
}

void CContentGrouper::Close(uint32_t m) {
    Member& member = members[m];
    if (member.openSlot == kNone) return;
    const uint32_t slot = member.openSlot;
    member.openSlot = kNone;
    openFiles[slot].reset();
    const size_t last = openMembers.size() - 1;
    if (slot != last) {
        openFiles[slot] = std::move(openFiles[last]);
        openMembers[slot] = openMembers[last];
        members[openMembers[slot]].openSlot = slot;
    }
    openFiles.pop_back();
    openMembers.pop_back();
}
