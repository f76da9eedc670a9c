#pragma once

#include "core/platform/IFileSystem.h"

#include <string>

// Real folders on a POSIX host, seen the way Wine shows them to the program: Z:\ is the root
// of the Unix file system, a folder link lists as a folder with the reparse attribute, a
// dangling link is not listed, and a file's id is its device and inode.
class CPosixFileSystem : public IFileSystem {
public:
    std::unique_ptr<IDirListing> List(std::u16string_view folder) override;
    std::optional<FileState> State(std::u16string_view path) override;
    // Only regular files open; anything else a name leads to is refused without waiting.
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view path) override;
    // The process's descriptor limit, less a margin.
    size_t OpenFileLimit() override;

    // Z:\tmp\x -> /tmp/x; false for any other drive.
    static bool ToUnix(std::u16string_view path, std::string& unixPath);
    // /tmp/x -> Z:\tmp\x.
    static std::u16string FromUnix(std::string_view unixPath);
};
