#include "core/platform/ListedFile.h"

std::unique_ptr<IReadableFile> OpenListedFile(IFileSystem& fileSystem, std::u16string_view path,
                                              const std::optional<FileId>& listed,
                                              std::optional<FileState>* opened) {
    std::unique_ptr<IReadableFile> file = fileSystem.OpenForReading(path);
    if (!file || !file->IsDiskFile()) return nullptr;
    const std::optional<FileState> state = file->State();
    if (listed && !(state && SameFile(state->id, *listed))) return nullptr;
    if (opened) *opened = state;
    return file;
}
