#pragma once

#include "core/grid/CListGrid.h"
#include "core/window/CCommandWindow.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::u16string_view kAlreadyListedMessage =
    u"抱歉，该文件夹已经在列表中。请勿重复选择。";
inline constexpr std::u16string_view kAddFolderCaption = u"添加文件夹";
inline constexpr std::u16string_view kAddFolderPrompt = u"请选择需要检查的源文件夹:";

// The six buttons of the source-folder list and the folders dropped on the window. The list
// lives only in the grid: row i's text is one folder, and row i is the folder index the scans
// record for every file found below it.
class CFolderListCommands {
public:
    CFolderListCommands(CCommandWindow& window, CListGrid& list) : window(window), list(list) {}

    // Appends a folder unless the same string (case-sensitive, whole) is listed already, which
    // is said in a message instead. False when refused.
    bool AppendFolder(std::u16string_view path);
    // The folders of one drop, in the drop's order; each one already listed gets its message.
    void AppendDroppedFolders(const std::vector<std::u16string>& folders);

    void OnAdd();
    void OnNew();
    void OnDelete();
    void OnClear();
    void OnMoveUp() { MoveCurrentBy(-1); }
    void OnMoveDown() { MoveCurrentBy(1); }

private:
    bool IsListed(std::u16string_view path);
    void Append(std::u16string_view path);
    bool Confirmed(std::u16string_view question);
    void MoveCurrentBy(int step);

    CCommandWindow& window;
    CListGrid& list;
};
