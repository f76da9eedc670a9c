#include "core/platform/CMemoryFileSystem.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}

// "Z:\a\b\" -> {"a", "b"}; false unless it starts with the one drive, Z:.
bool Split(std::u16string_view path, std::vector<std::u16string_view>& parts) {
    if (path.size() < 3 || Fold(path[0]) != u'Z' || path[1] != u':' || path[2] != u'\\')
        return false;
    size_t start = 3;
    while (start < path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end == start) return false; // two separators in a row name nothing
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

FileState StateOf(const CMemoryFileSystem::Node& node) {
    return {FileId{1, node.index}, node.folder ? 0 : node.content.size(), node.lastWrite};
}

class CMemoryListing : public IDirListing {
public:
    CMemoryListing(std::vector<DirEntry> entries, int failAfter)
        : entries(std::move(entries)), failAfter(failAfter) {}
    bool Next(DirEntry& entry) override {
        if (failAfter >= 0 && next >= static_cast<size_t>(failAfter)) {
            failed = true;
            return false;
        }
        if (next >= entries.size()) return false;
        entry = entries[next++];
        return true;
    }
    bool Failed() const override { return failed; }

private:
    std::vector<DirEntry> entries;
    int failAfter;
    size_t next = 0;
    bool failed = false;
};

class CMemoryFile : public IReadableFile {
public:
    CMemoryFile(std::shared_ptr<CMemoryFileSystem::Node> node, int& openNow, int& mostOpen)
        : node(std::move(node)), openNow(openNow) {
        ++this->node->openCount;
        mostOpen = std::max(mostOpen, ++openNow);
    }
    ~CMemoryFile() override {
        --node->openCount;
        --openNow;
    }
    CMemoryFile(const CMemoryFile&) = delete;
    CMemoryFile& operator=(const CMemoryFile&) = delete;
    int64_t Read(void* buffer, uint32_t size) override {
        const uint64_t left = node->content.size() > offset ? node->content.size() - offset : 0;
        const uint64_t n = std::min<uint64_t>(size, left);
        if (node->readErrorAt >= 0 && offset + n > static_cast<uint64_t>(node->readErrorAt))
            return -1;
        std::memcpy(buffer, node->content.data() + offset, n);
        if (n > 0) node->reads.emplace_back(offset, n);
        offset += n;
        return static_cast<int64_t>(n);
    }

    bool Seek(uint64_t to) override {
        offset = to;
        return true;
    }
    bool IsDiskFile() override { return !node->device; }
    std::optional<FileState> State() override { return StateOf(*node); }

private:
    std::shared_ptr<CMemoryFileSystem::Node> node;
    int& openNow;
    uint64_t offset = 0;
};

} // namespace

CMemoryFileSystem::CMemoryFileSystem() : drive(NewNode(true)) {}

CMemoryFileSystem::~CMemoryFileSystem() {
    for (auto& weak : nodes)
        if (auto node = weak.lock()) node->children.clear();
}

std::shared_ptr<CMemoryFileSystem::Node> CMemoryFileSystem::NewNode(bool folder) {
    auto node = std::make_shared<Node>();
    node->folder = folder;
    node->attributes = folder ? FileAttributes::kDirectory : FileAttributes::kNormal;
    node->index = nextIndex++;
    nodes.push_back(node);
    return node;
}

CMemoryFileSystem::Node::Child* CMemoryFileSystem::FindChild(Node& folder,
                                                             std::u16string_view name) const {
    for (auto& child : folder.children)
        if (SameName(child.name, name)) return &child;
    return nullptr;
}

std::shared_ptr<CMemoryFileSystem::Node> CMemoryFileSystem::Find(std::u16string_view path) const {
    std::vector<std::u16string_view> parts;
    if (!Split(path, parts)) return nullptr;
    std::shared_ptr<Node> node = drive;
    for (auto part : parts) {
        if (!node->folder) return nullptr;
        Node::Child* child = FindChild(*node, part);
        if (!child) return nullptr;
        node = child->node;
    }
    return node;
}

std::shared_ptr<CMemoryFileSystem::Node> CMemoryFileSystem::AddFolder(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    if (!Split(path, parts)) return nullptr;
    std::shared_ptr<Node> node = drive;
    for (auto part : parts) {
        Node::Child* child = FindChild(*node, part);
        if (!child) {
            node->children.push_back({std::u16string(part), NewNode(true), false});
            child = &node->children.back();
        }
        node = child->node;
    }
    return node;
}

std::shared_ptr<CMemoryFileSystem::Node>
CMemoryFileSystem::AddFile(std::u16string_view path, std::string content, uint32_t attributes) {
    auto node = NewNode(false);
    node->attributes = attributes;
    node->reportedSize = content.size();
    node->content = std::move(content);
    AddName(path, node);
    return node;
}

void CMemoryFileSystem::AddName(std::u16string_view path, std::shared_ptr<Node> target, bool link) {
    const size_t cut = path.rfind(u'\\');
    auto folder = AddFolder(path.substr(0, cut));
    folder->children.push_back({std::u16string(path.substr(cut + 1)), std::move(target), link});
}

void CMemoryFileSystem::AddAlias(std::u16string_view path, std::shared_ptr<Node> target) {
    AddName(path, std::move(target));
    Find(path.substr(0, path.rfind(u'\\')))->children.back().listedIndex = nextIndex++;
}

void CMemoryFileSystem::Remove(std::u16string_view path) {
    const size_t cut = path.rfind(u'\\');
    if (cut == std::u16string_view::npos) return;
    auto folder = Find(path.substr(0, cut == 2 ? 3 : cut)); // the drive root keeps its backslash
    if (!folder) return;
    std::erase_if(folder->children,
                  [&](const Node::Child& c) { return SameName(c.name, path.substr(cut + 1)); });
}

std::unique_ptr<IDirListing> CMemoryFileSystem::List(std::u16string_view folder) {
    ++listings;
    if (onList) onList(folder);
    auto node =
        Find(folder.ends_with(u'\\') && folder.size() > 3 ? folder.substr(0, folder.size() - 1)
                                                          : folder);
    if (!node || !node->folder || node->unlistable) return nullptr;
    if (node->throwOnList) throw std::bad_alloc();
    std::vector<DirEntry> entries;
    entries.push_back({u".", FileAttributes::kDirectory, 0, 0, {}});
    entries.push_back({u"..", FileAttributes::kDirectory, 0, 0, {}});
    for (const auto& child : node->children) {
        DirEntry e;
        e.name = child.name;
        e.attributes = child.node->attributes | (child.link ? FileAttributes::kReparsePoint : 0);
        if (!child.node->folder) {
            e.sizeHigh = static_cast<uint32_t>(child.node->reportedSize >> 32);
            e.sizeLow = static_cast<uint32_t>(child.node->reportedSize);
        }
        if (idsKnown) e.id = FileId{1, child.listedIndex ? child.listedIndex : child.node->index};
        entries.push_back(std::move(e));
    }
    return std::make_unique<CMemoryListing>(std::move(entries), node->failListingAfter);
}

std::optional<FileState> CMemoryFileSystem::State(std::u16string_view path) {
    auto node =
        Find(path.ends_with(u'\\') && path.size() > 3 ? path.substr(0, path.size() - 1) : path);
    if (!node) return std::nullopt;
    return StateOf(*node);
}

std::unique_ptr<IReadableFile> CMemoryFileSystem::OpenForReading(std::u16string_view path) {
    auto node = Find(path);
    if (!node || node->folder || node->lockedElsewhere || node->openCount > 0) return nullptr;
    opened.emplace_back(path);
    return std::make_unique<CMemoryFile>(node, openNow, mostOpen);
}
