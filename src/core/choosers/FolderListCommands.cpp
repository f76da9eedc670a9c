#include "core/choosers/FolderListCommands.h"

#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

#include <optional>
#include <unordered_set>

bool CFolderListCommands::IsListed(std::u16string_view path) {
    for (int row = 0; row < list.RowCount(); ++row)
        if (list.CellText(0, row) == path) return true;
    return false;
}

void CFolderListCommands::Append(std::u16string_view path) {
    list.AppendRow();
    const int row = list.RowCount() - 1;
    list.SetCellText(0, row, path);
    list.RepaintRow(row);
    list.FitAllColumns();
}

bool CFolderListCommands::AppendFolder(std::u16string_view path) {
    if (IsListed(path)) {
        window.ShowMessage(kAlreadyListedMessage, MessageStyle::kOk);
        return false;
    }
    Append(path);
    return true;
}

void CFolderListCommands::AppendDroppedFolders(const std::vector<std::u16string>& folders) {
    // A drop of many folders is tested against a set, not row by row for each folder.
    std::unordered_set<std::u16string> listed;
    for (int row = 0; row < list.RowCount(); ++row)
        if (std::optional<std::u16string> text = list.CellText(0, row)) listed.insert(*text);
    for (const std::u16string& folder : folders) {
        // An item the platform could not name would list an empty path, which every later
        // step would take for the current drive's root.
        if (folder.empty()) continue;
        if (!listed.insert(folder).second) {
            window.ShowMessage(kAlreadyListedMessage, MessageStyle::kOk);
            continue;
        }
        Append(folder);
    }
}

void CFolderListCommands::OnAdd() {
    const std::optional<std::u16string> chosen =
        window.BrowseForFolder(kAddFolderCaption, kAddFolderPrompt, u"");
    if (chosen) AppendFolder(*chosen);
}

void CFolderListCommands::OnNew() {
    list.RemoveAllRows();
    // Posted, so that the browser opens once this command has returned.
    window.PostCommand(IDC_ADD_FOLDER);
}

bool CFolderListCommands::Confirmed(std::u16string_view question) {
    return window.ShowMessage(question, MessageStyle::kYesNo) == MessageStyle::kAnswerYes;
}

void CFolderListCommands::OnDelete() {
    if (list.RowCount() == 0) {
        window.ShowMessage(u"抱歉，没啥好删的。", MessageStyle::kOk);
        return;
    }
    int column = -1, row = -1;
    list.FirstSelectedCell(column, row);
    if (Confirmed(u"您确定您真的想删除所选项？")) list.RemoveRow(row);
}

void CFolderListCommands::OnClear() {
    if (list.RowCount() == 0) {
        window.ShowMessage(u"抱歉，没啥好清的。", MessageStyle::kOk);
        return;
    }
    if (Confirmed(u"您确定您真的想清空所有项？")) list.RemoveAllRows();
}

void CFolderListCommands::MoveCurrentBy(int step) {
    const int row = list.CurrentRow(), target = row + step;
    const int count = list.RowCount();
    if (row < 0 || row >= count || target < 0 || target >= count) return;
    list.SwapRows(row, target, true);
    list.MoveToRow(target);
}
