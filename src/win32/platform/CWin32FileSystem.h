#pragma once

#include "core/platform/IFileSystem.h"

// The scans' file system on the platform: folders are listed through a handle on the folder,
// which also tells each entry's file id, so knowing which names are one file costs no open.
class CWin32FileSystem : public IFileSystem {
public:
    std::unique_ptr<IDirListing> List(std::u16string_view folder) override;
    std::optional<FileState> State(std::u16string_view path) override;
    std::optional<FileState> StateByName(std::u16string_view path) override;
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view path) override;
};
