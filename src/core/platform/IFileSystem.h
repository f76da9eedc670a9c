#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The file system as the scans see it. Paths are the program's own form (D:\Data\a.txt); a
// folder to list ends with a backslash. The Win32 implementation is the product's; a POSIX one
// walks real trees natively (Z:\ is /, as under Wine); an in-memory one lets tests choose the
// enumeration order and every failure.

namespace FileAttributes {
constexpr uint32_t kReadOnly = 0x1;
constexpr uint32_t kHidden = 0x2;
constexpr uint32_t kSystem = 0x4;
constexpr uint32_t kDirectory = 0x10;
constexpr uint32_t kNormal = 0x80;
constexpr uint32_t kReparsePoint = 0x400; // a directory or file link
} // namespace FileAttributes

// What makes two names one file: the volume and the file's index on it. Two names with equal
// ids are the same bytes on disk (a hard link, a link, a case variant, an overlapping walk).
struct FileId {
    uint64_t volume = 0; // 0 where the platform was not asked: a file opened under Wine
    uint64_t index = 0;
    bool operator==(const FileId&) const = default;
};

// Whether two identities name one file: the same index, on the same volume where both tell.
inline bool SameFile(const FileId& a, const FileId& b) {
    return a.index == b.index && (a.volume == b.volume || a.volume == 0 || b.volume == 0);
}

// What a file is at a moment: which file, how long, when it was last written. Equal states
// mean the file was not written to in between, as far as the platform can tell.
struct FileState {
    FileId id;
    uint64_t size = 0;
    uint64_t lastWrite = 0; // in the platform's own units
    bool operator==(const FileState&) const = default;
};

struct DirEntry {
    std::u16string name;
    uint32_t attributes = 0;
    uint32_t sizeHigh = 0;
    uint32_t sizeLow = 0;
    // The file the name leads to, when the listing can tell without opening it.
    std::optional<FileId> id;

    bool IsFolder() const { return (attributes & FileAttributes::kDirectory) != 0; }
    bool IsLink() const { return (attributes & FileAttributes::kReparsePoint) != 0; }
};

// One open listing of a folder, "." and ".." included, in the file system's order.
class IDirListing {
public:
    virtual ~IDirListing() = default;
    // False when the listing is exhausted or fails part-way; Failed tells which.
    virtual bool Next(DirEntry& entry) = 0;
    // Whether the listing stopped on an error rather than at its end: what it did not show
    // may be anything.
    virtual bool Failed() const { return false; }
};

// A file opened for reading with no sharing at all: nobody may read or write it meanwhile.
class IReadableFile {
public:
    virtual ~IReadableFile() = default;
    // Bytes read into `buffer` (0 at the end), or -1 when the platform reports a read error.
    virtual int64_t Read(void* buffer, uint32_t size) = 0;
    // Moves to `offset` from the start, so a file opened again goes on where it stopped
    // without reading anything twice. False when the platform refuses.
    virtual bool Seek(uint64_t offset) = 0;
    // Whether what the name opened is a file on a disk, not a device or a pipe.
    virtual bool IsDiskFile() = 0;
    // What the open file is now, its identity in the terms the listings use; nothing when the
    // platform cannot tell.
    virtual std::optional<FileState> State() = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Lists `folder` (ending in a backslash), or nothing when it cannot be listed.
    virtual std::unique_ptr<IDirListing> List(std::u16string_view folder) = 0;
    // What the folder or file a path leads to is now, following links; nothing when it cannot
    // be had.
    virtual std::optional<FileState> State(std::u16string_view path) = 0;
    // The size and last-write time of what a path names now, as its name tells them without
    // opening it: on the platform a fraction of the cost of State, and without the identity.
    virtual std::optional<FileState> StateByName(std::u16string_view path) { return State(path); }
    std::optional<FileId> Identity(std::u16string_view path) {
        const std::optional<FileState> state = State(path);
        return state ? std::optional<FileId>(state->id) : std::nullopt;
    }
    // Opens an existing file for reading without sharing; nothing when that fails.
    virtual std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view path) = 0;
    // How many files the program may hold open at once before opens start failing for that
    // reason alone.
    virtual size_t OpenFileLimit() { return SIZE_MAX; }
};
