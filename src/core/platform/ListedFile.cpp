#include "core/platform/ListedFile.h"

std::unique_ptr<IReadableFile> OpenListedFile(IFileSystem& fileSystem, std::u16string_view path,
                                              const std::optional<FileId>& listed,
                                              std::optional<FileId>* opened) {
    std::unique_ptr<IReadableFile> file = fileSystem.OpenForReading(path);
    if (!file || !file->IsDiskFile()) return nullptr;
    const std::optional<FileId> id = file->Identity();
    if (listed && id != listed) return nullptr;
    if (opened) *opened = id;
    return file;
}
