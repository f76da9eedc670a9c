#pragma once

#include "core/platform/IFileSystem.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A file system in memory for tests: folders list their entries in the order they were
// added, names are found ignoring the case of ASCII letters (as on the platform's drives),
// and any file or folder can be made to fail the way real ones do.
class CMemoryFileSystem : public IFileSystem {
public:
    struct Node {
        bool folder = false;
        uint32_t attributes = 0;
        std::string content;
        uint64_t reportedSize = 0; // what the listing says; content.size() unless changed
        uint64_t index = 0;
        bool unlistable = false;      // the listing cannot be started (access denied)
        bool lockedElsewhere = false; // another program holds it open without sharing
        int64_t readErrorAt = -1;     // a read that reaches this offset fails
        bool throwOnList = false;     // listing it throws, as a failed allocation would
        int failListingAfter = -1;    // the listing breaks off after this many entries
        bool device = false;          // what an open of it reaches is no file on a disk
        uint64_t lastWrite = 1;       // a test that writes the file moves it on
        int openCount = 0;
        // Every read that returned bytes: where it started and how many, in order.
        std::vector<std::pair<uint64_t, uint64_t>> reads;
        struct Child {
            std::u16string name;
            std::shared_ptr<Node> node;
            bool link = false;
            // What the listing gives as the name's file index, when not the node's own: a
            // name that opens another file than its listing says.
            uint64_t listedIndex = 0;
        };
        std::vector<Child> children;
    };

    CMemoryFileSystem();
    ~CMemoryFileSystem() override;
    CMemoryFileSystem(const CMemoryFileSystem&) = delete;
    CMemoryFileSystem& operator=(const CMemoryFileSystem&) = delete;

    // Creates the folders of `path` (Z:\a\b) as needed.
    std::shared_ptr<Node> AddFolder(std::u16string_view path);
    std::shared_ptr<Node> AddFile(std::u16string_view path, std::string content,
                                  uint32_t attributes = FileAttributes::kNormal);
    // Another name for an existing file or folder: a hard link, or (link = true) a link whose
    // listing shows the reparse attribute.
    void AddName(std::u16string_view path, std::shared_ptr<Node> target, bool link = false);
    // A name whose listing shows a file of its own, while opening it reaches `target`.
    void AddAlias(std::u16string_view path, std::shared_ptr<Node> target);
    void Remove(std::u16string_view path);
    std::shared_ptr<Node> Find(std::u16string_view path) const;

    // Called with the folder's path at the start of every listing, before it is read: lets a
    // test change the tree between two walks.
    std::function<void(std::u16string_view folder)> onList;
    // Every file opened for reading, in order.
    std::vector<std::u16string> opened;
    int listings = 0;
    int openNow = 0;      // files open at this moment
    int mostOpen = 0;     // the most that were ever open at once
    bool idsKnown = true; // whether listings report file ids

    std::unique_ptr<IDirListing> List(std::u16string_view folder) override;
    std::optional<FileState> State(std::u16string_view path) override;
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view path) override;

private:
    std::shared_ptr<Node> NewNode(bool folder);
    Node::Child* FindChild(Node& folder, std::u16string_view name) const;

    uint64_t nextIndex = 1;
    std::vector<std::weak_ptr<Node>> nodes; // to undo the cycles that folder links make
    std::shared_ptr<Node> drive;            // Z:
};
