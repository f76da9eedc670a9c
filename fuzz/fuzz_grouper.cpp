// The content grouper over files in memory: a run of one listed size whose files share fronts
// and ends, differ near block edges or at their last byte, grew or shrank since the listing,
// fail to read, are held elsewhere, or are second names of one file. Groups must be exactly
// the byte-identical files that could be read, one name per file, within the open bound, and
// no byte may be read more often than the file has names in the run.
#include "core/dupes/CContentGrouper.h"
#include "core/platform/CMemoryFileSystem.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Node = CMemoryFileSystem::Node;

void Check(bool ok) {
    if (!ok) std::abort();
}

// The input as a stream of numbers; zeros once it runs out.
class CInput {
public:
    CInput(const uint8_t* data, size_t size) : data(data), size(size) {}
    uint32_t Byte() { return at < size ? data[at++] : 0; }
    uint32_t Word() { return Byte() | Byte() << 8; }
    uint32_t Wide() { return Word() | Byte() << 16; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

// Most runs are small; the rest sit on or beside the edges of blocks and of the least chunk.
uint64_t ListedSize(CInput& in) {
    const uint64_t block = CContentGrouper::kBlock;
    const int64_t step = static_cast<int64_t>(in.Byte() % 7) - 3;
    switch (in.Byte() % 4) {
    case 0: return 1 + in.Word() % 5000;
    case 1: return static_cast<uint64_t>(static_cast<int64_t>((1 + in.Byte() % 3) * block) + step);
    case 2: return (in.Byte() % 4) * block + 1 + in.Word();
    default:
        return static_cast<uint64_t>(
            static_cast<int64_t>((1 + in.Byte() % 64) * CContentGrouper::kMinChunk) + step);
    }
}

// Where a file differs from the others: its ends, the edges of blocks and chunks, anywhere.
size_t PlaceIn(CInput& in, size_t length) {
    const size_t block = CContentGrouper::kBlock;
    const size_t near = in.Byte() % 4;
    size_t at = 0;
    switch (in.Byte() % 6) {
    case 0: at = near; break;
    case 1: at = length - 1 - std::min(near, length - 1); break;
    case 2: at = (1 + in.Byte() % 4) * block + near - 2; break;
    case 3: at = length - 1 - std::min<size_t>(in.Word() % 8192, length - 1); break;
    case 4: at = (1 + in.Byte()) * CContentGrouper::kMinChunk + near - 2; break;
    default: at = in.Wide(); break;
    }
    return at % length;
}

struct File {
    std::shared_ptr<Node> node;
    int names = 0;
};

bool Readable(const Node& node, uint64_t upTo) {
    return !node.lockedElsewhere && (node.readErrorAt < 0 || uint64_t(node.readErrorAt) >= upTo);
}

// How many reads of a node cover its most-read byte.
int MostReadsOfOneByte(const Node& node) {
    std::vector<std::pair<uint64_t, int>> edges;
    for (const auto& [at, n] : node.reads) {
        edges.emplace_back(at, 1);
        edges.emplace_back(at + n, -1);
    }
    std::sort(edges.begin(), edges.end()); // an end before a start at one offset
    int depth = 0, most = 0;
    for (const auto& edge : edges) most = std::max(most, depth += edge.second);
    return most;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CInput in(data, size);
    CMemoryFileSystem disk;
    const bool idsKnown = in.Byte() % 4 != 0;
    disk.idsKnown = idsKnown;
    const size_t maxOpen = 1 + in.Byte() % 8;
    const size_t chunkMemory =
        in.Byte() % 8 == 0 ? size_t{32} << 20 : CContentGrouper::kMinChunk + in.Word() * 7;
    const uint64_t listed = ListedSize(in);
    const size_t count = 2 + in.Byte() % 15;

    // One content that every file starts from, long enough for the files that grew.
    const size_t room = static_cast<size_t>(listed) + 4096;
    std::string base(room, 'a');
    if (uint32_t seed = in.Word(); seed % 2)
        for (char& c : base) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);

    std::vector<File> files;
    std::vector<std::u16string> names;
    std::vector<size_t> fileOf; // per path
    for (size_t i = 0; i < count; ++i) {
        names.push_back(u"Z:\\r\\f" + std::u16string(1, static_cast<char16_t>(u'a' + i)));
        if (!files.empty() && in.Byte() % 5 == 0) {
            const size_t f = in.Byte() % files.size();
            disk.AddName(names.back(), files[f].node);
            ++files[f].names;
            fileOf.push_back(f);
            continue;
        }
        size_t length = static_cast<size_t>(listed);
        switch (in.Byte() % 12) {
        case 0: length -= std::min<size_t>(1 + in.Word() % 3000, length); break;
        case 1: length += 1 + in.Byte() % 4096; break;
        case 2: length = in.Byte() % 2 ? length + 1 : length - 1; break;
        default: break;
        }
        std::string content = base.substr(0, length);
        for (uint32_t k = in.Byte() % 3; k-- > 0 && length > 0;)
            content[PlaceIn(in, length)] = static_cast<char>('0' + in.Byte() % 2);
        auto node = disk.AddFile(names.back(), std::move(content));
        node->reportedSize = listed;
        switch (in.Byte() % 16) {
        case 0: node->lockedElsewhere = true; break;
        case 1:
        case 2: node->readErrorAt = static_cast<int64_t>(PlaceIn(in, length + 1)); break;
        default: break;
        }
        fileOf.push_back(files.size());
        files.push_back({node, 1});
    }

    std::vector<const char16_t*> paths;
    for (const auto& name : names) paths.push_back(name.c_str());
    CContentGrouper grouper(disk, [] { return false; }, {maxOpen, chunkMemory});
    // A listing that tells identities tells each file once: the search keeps only the first
    // name of a file it listed, so a second name here is one the listing could not place.
    const CContentGrouper::ListedId listedId = [&](uint32_t k) -> std::optional<FileId> {
        if (!idsKnown || std::find(fileOf.begin(), fileOf.end(), fileOf[k]) != fileOf.begin() + k)
            return std::nullopt;
        return FileId{1, files[fileOf[k]].node->index};
    };
    std::vector<int32_t> groupOf;
    Check(grouper.Group(paths, listedId, listed, groupOf));
    Check(groupOf.size() == paths.size());

    // Every open named one of the run's paths, whole, and none is left open.
    for (const auto& path : disk.opened)
        Check(std::find(names.begin(), names.end(), path) != names.end());
    Check(disk.openNow == 0);
    Check(grouper.MostOpen() <= maxOpen && disk.mostOpen <= static_cast<int>(maxOpen));

    // A group holds one name each of files that were read whole and are equal byte for byte.
    std::map<int32_t, std::vector<size_t>> groups;
    for (size_t k = 0; k < paths.size(); ++k)
        if (groupOf[k] >= 0) groups[groupOf[k]].push_back(fileOf[k]);
    for (auto& [number, members] : groups) {
        Check(members.size() >= 2);
        const Node& first = *files[members.front()].node;
        for (size_t f : members) {
            const Node& node = *files[f].node;
            Check(node.content == first.content && Readable(node, node.content.size()));
        }
        std::sort(members.begin(), members.end());
        Check(std::adjacent_find(members.begin(), members.end()) == members.end());
    }

    // Two files that read without fail and hold the same bytes share a group, whatever the
    // listing said of their size: the grouper goes by what they hold.
    std::vector<int32_t> groupOfFile(files.size(), -1);
    for (size_t k = 0; k < paths.size(); ++k)
        if (groupOf[k] >= 0) groupOfFile[fileOf[k]] = groupOf[k];
    for (size_t a = 0; a < files.size(); ++a) {
        const Node& x = *files[a].node;
        if (!Readable(x, std::max<uint64_t>(x.content.size(), listed))) continue;
        for (size_t b = a + 1; b < files.size(); ++b) {
            const Node& y = *files[b].node;
            if (Readable(y, std::max<uint64_t>(y.content.size(), listed)) && x.content == y.content)
                Check(groupOfFile[a] >= 0 && groupOfFile[a] == groupOfFile[b]);
        }
    }

    // Each name reads each byte of its file at most once.
    for (const File& file : files) Check(MostReadsOfOneByte(*file.node) <= file.names);
    return 0;
}
