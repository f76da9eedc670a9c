#include "core/dupes/CContentGrouper.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

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

} // namespace

struct CContentGrouper::Member {
    const char16_t* path = nullptr;
    std::unique_ptr<IReadableFile> file;
    uint64_t offset = 0;
    bool opened = false;
    size_t openSlot = 0;
    uint32_t inRound = 0;   // the round of the group it belongs to
    uint32_t readRound = 0; // the last round it was read in
};

struct CContentGrouper::Rep {
    size_t at;     // where its chunk starts in the round's store
    uint32_t size; // bytes of the chunk
    Members members;
};

CContentGrouper::CContentGrouper(IFileSystem& fileSystem, std::function<bool()> stopQuery)
    : CContentGrouper(fileSystem, std::move(stopQuery), Limits{}) {}

CContentGrouper::CContentGrouper(IFileSystem& fileSystem, std::function<bool()> stopQuery,
                                 Limits limits)
    : fileSystem(fileSystem), stopQuery(std::move(stopQuery)), limits(limits) {
    this->limits.maxOpen = std::max<size_t>(this->limits.maxOpen, 1);
}

CContentGrouper::~CContentGrouper() = default;

uint32_t CContentGrouper::ChunkFor(size_t groupSize) const {
    size_t chunk = limits.chunkMemory / std::max<size_t>(groupSize, 1);
    chunk = std::clamp<size_t>(chunk, kMinChunk, kBlock);
    return static_cast<uint32_t>(chunk - chunk % kMinChunk);
}

bool CContentGrouper::Group(const std::vector<const char16_t*>& paths,
                            std::vector<int32_t>& groupOf) {
    groupOf.assign(paths.size(), -1);
    mostOpen = 0;
    if (paths.size() < 2) return true;
    members.clear();
    members.resize(paths.size());
    openMembers.clear();
    Members all(paths.size());
    for (uint32_t i = 0; i < paths.size(); ++i) {
        members[i].path = paths[i];
        all[i] = i;
    }

    std::vector<Members> work{std::move(all)};
    std::vector<Members> parts;
    std::vector<bool> ended;
    int32_t nextGroup = 0;
    bool finished = true;
    while (!work.empty()) {
        const Members group = std::move(work.back());
        work.pop_back();
        if (!SplitGroup(group, parts, ended)) {
            finished = false;
            break;
        }
        // Depth first, so that the files of one group are done with before the next opens.
        for (size_t p = parts.size(); p-- > 0;) {
            Members& part = parts[p];
            if (part.size() == 1 || ended[p]) {
                for (uint32_t m : part) Close(m);
                if (part.size() > 1) {
                    for (uint32_t m : part) groupOf[m] = nextGroup;
                    ++nextGroup;
                }
            } else {
                work.push_back(std::move(part));
            }
        }
    }
    while (!openMembers.empty()) Close(openMembers.back());
    members.clear();
    return finished;
}

bool CContentGrouper::SplitGroup(const Members& group, std::vector<Members>& parts,
                                 std::vector<bool>& ended) {
    const uint32_t round = ++rounds;
    const uint32_t chunk = ChunkFor(group.size());
    for (uint32_t m : group) members[m].inRound = round;

    std::vector<Rep> reps;
    // The distinct chunks of the round, one after another. A chunk is read straight to the end
    // of it and kept there only when it is new, so nothing is copied.
    std::unique_ptr<unsigned char[]> store;
    size_t used = 0, capacity = 0;
    std::unordered_multimap<uint64_t, size_t> buckets;
    const bool hashed = group.size() > kDirectCompare;
    for (uint32_t m : group) {
        if (stopQuery()) return false;
        Member& member = members[m];
        if (!member.file && !Reopen(m, round)) continue;
        if (used + chunk > capacity) {
            // Never more than every file's chunk: the budget holds even when all differ.
            const size_t grown =
                std::min(std::max(2 * capacity, used + chunk), size_t{chunk} * group.size());
            auto larger = std::make_unique_for_overwrite<unsigned char[]>(grown);
            if (used) std::memcpy(larger.get(), store.get(), used);
            store = std::move(larger);
            capacity = grown;
        }
        unsigned char* const chunkAt = store.get() + used;
        const int64_t n = member.file->Read(chunkAt, chunk);
        if (n < 0) {
            Close(m);
            continue;
        }
        member.offset += static_cast<uint64_t>(n);
        member.readRound = round;
        const auto size = static_cast<uint32_t>(n);
        const auto same = [&](const Rep& rep) {
            return rep.size == size &&
                   (size == 0 || std::memcmp(store.get() + rep.at, chunkAt, size) == 0);
        };
        Rep* found = nullptr;
        uint64_t bucket = 0;
        if (hashed) {
            bucket = BucketOf(chunkAt, size);
            for (auto [it, last] = buckets.equal_range(bucket); it != last && !found; ++it)
                if (same(reps[it->second])) found = &reps[it->second];
        } else {
            for (Rep& rep : reps)
                if (same(rep)) {
                    found = &rep;
                    break;
                }
        }
        if (found) {
            found->members.push_back(m);
            continue;
        }
        if (hashed) buckets.emplace(bucket, reps.size());
        reps.push_back(Rep{used, size, {m}});
        used += size;
    }
    parts.clear();
    ended.clear();
    for (Rep& rep : reps) {
        ended.push_back(rep.size < chunk);
        parts.push_back(std::move(rep.members));
    }
    return true;
}

bool CContentGrouper::Reopen(uint32_t m, uint32_t round) {
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
    member.file = fileSystem.OpenForReading(member.path);
    const bool again = member.opened;
    member.opened = true;
    if (member.file && again && !member.file->Seek(member.offset)) member.file.reset();
    if (!member.file) return false;
    member.openSlot = openMembers.size();
    openMembers.push_back(m);
    mostOpen = std::max(mostOpen, openMembers.size());
    return true;
}

void CContentGrouper::Close(uint32_t m) {
    Member& member = members[m];
    if (!member.file) return;
    member.file.reset();
    const uint32_t last = openMembers.back();
    openMembers[member.openSlot] = last;
    members[last].openSlot = member.openSlot;
    openMembers.pop_back();
}
