#pragma once

#include "core/platform/IFileSystem.h"

#include <string>
#include <unordered_map>

// The scans' file system on the platform: folders are listed through a handle on the folder,
// which also tells each entry's file id, so knowing which names are one file costs no open.
class CWin32FileSystem : public IFileSystem {
public:
    std::unique_ptr<IDirListing> List(std::u16string_view folder) override;
    std::optional<FileState> State(std::u16string_view path) override;
    std::optional<FileState> StateByName(std::u16string_view path) override;
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view path) override;

private:
    // The volume of each folder a listing showed that is not a link, by the path the walk will
    // list it under: the volume of its parent, since only a link (a mount point among them)
    // leads to another. Asking a folder's handle for its volume costs Wine a round trip to its
    // mount manager, more than listing the folder; a walk asks once. Forgotten whenever a
    // folder is listed that no listing showed, such as a search's first.
    std::unordered_map<std::u16string, uint64_t> volumeOfFolder;
};
