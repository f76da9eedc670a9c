#pragma once

#include "core/platform/IFileSystem.h"

#include <memory>
#include <optional>
#include <string_view>

// Opens for reading the file a listing showed under `path`; nothing unless what opened is a
// file on a disk and, where the listing told which file the name was (`listed`), that very
// file: a name can lead elsewhere than its listing said (a device, an alias, a file swapped in
// since). `opened`, when given, gets what the open file is, where the platform tells it.
std::unique_ptr<IReadableFile> OpenListedFile(IFileSystem& fileSystem, std::u16string_view path,
                                              const std::optional<FileId>& listed,
                                              std::optional<FileState>* opened = nullptr);
