#pragma once

#include "core/emptyfolders/CListedFolders.h"
#include "core/platform/IFileSystem.h"
#include "core/scan/FileRecord.h"
#include "core/scan/IScanProgress.h"

#include <string>
#include <string_view>

class IEmptyFolderSink;

// The last step of the empty-folder search: tests each folder of the ordered table and lists
// the empty ones. A folder is empty when it holds nothing but folders already found empty;
// since the table comes deepest first, those have all been tested before it.
class CEmptyFolderLister {
public:
    CEmptyFolderLister(IFileSystem& fileSystem, IScanProgress& progress, IEmptyFolderSink& sink)
        : fileSystem(fileSystem), progress(progress), sink(sink) {}

    // Walks the records in order; ends early when the user asks to stop.
    void ListEmptyFolders(FileRecord* first, FileRecord* last);

private:
    // `path` ends with a backslash. Only a folder whose whole listing was seen can be empty.
    bool IsEmptyFolder(const std::u16string& path);
    void ListFolder(const std::u16string& path, int32_t pathIndex);

    IFileSystem& fileSystem;
    IScanProgress& progress;
    IEmptyFolderSink& sink;
    // What the rows say so far, for the look-up of a sub-folder: the rows themselves are
    // searched in linear time, which over a tree of many empty folders adds up to quadratic.
    CListedFolders listed;
};
