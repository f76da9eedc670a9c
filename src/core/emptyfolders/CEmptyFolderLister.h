#pragma once

#include "core/app/CCommandWindow.h"
#include "core/scan/FileRecord.h"

#include <string>
#include <string_view>

class CMainCommands;

// The last step of the empty-folder search: tests each folder of the ordered table and lists
// the empty ones. A folder is empty when it holds nothing but folders already found empty;
// since the table comes deepest first, those have all been tested before it.
class CEmptyFolderLister {
public:
    CEmptyFolderLister(CMainCommands& host, CCommandWindow& window) : host(host), window(window) {}

    // Walks the records in order; ends early when the user asks to stop.
    void ListEmptyFolders(FileRecord* first, FileRecord* last);

private:
    // `path` ends with a backslash. Only a folder whose whole listing was seen can be empty.
    bool IsEmptyFolder(const std::u16string& path);
    // Whether the folder with this path (no trailing backslash) has been listed; false also
    // when the user asked to stop while looking.
    bool IsListed(std::u16string_view path, bool& stopped);
    void ListFolder(const std::u16string& path);

    CMainCommands& host;
    CCommandWindow& window;
};
