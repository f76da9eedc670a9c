#include "core/results/ExportList.h"

#include "core/results/ResultRows.h"
#include "core/window/MessageStyle.h"

namespace {

// The lines go out in blocks of about this size, so a list of a million rows never sits in
// memory twice.
constexpr size_t kBlockSize = 64 * 1024;

void AppendLittleEndian(std::string& bytes, std::u16string_view text) {
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
}

bool WriteRows(CListGrid& grid, COutputFile& file) {
    std::string block(kExportByteOrderMark, sizeof kExportByteOrderMark);
    // The row count is read again after every row, as the list is the one on screen.
    for (int row = 0; row < grid.RowCount(); ++row) {
        AppendExportLine(block, grid.CellPath(0, row), grid.CellPath(1, row));
        if (block.size() >= kBlockSize) {
            if (!file.Write(block.data(), block.size())) return false;
            block.clear();
        }
    }
    return block.empty() || file.Write(block.data(), block.size());
}

} // namespace

void AppendExportLine(std::string& bytes, const std::optional<std::u16string>& left,
                      const std::optional<std::u16string>& right) {
    if (left) AppendLittleEndian(bytes, *left);
    AppendLittleEndian(bytes, u"\t");
    if (right) AppendLittleEndian(bytes, *right);
    AppendLittleEndian(bytes, u"\r\n");
}

void OnExportList(CListGrid& grid, CCommandWindow& window, COutputFile& file) {
    if (grid.RowCount() == 0) {
        window.ShowMessage(kEmptyListMessage, MessageStyle::kOk);
        return;
    }
    std::u16string path;
    if (!window.ChooseSaveFile(path)) return;
    if (!file.Create(path)) {
        window.ShowMessage(kExportCreateFailed, MessageStyle::kOk);
        return;
    }
    window.SetWaitCursor(true);
    const bool written = WriteRows(grid, file);
    const bool closed = file.Close();
    if (written && closed)
        window.ShowMessage(kExportDone, MessageStyle::kOk);
    else
        window.ShowMessage(std::u16string(kExportWriteFailed) + path, MessageStyle::kOk);
    window.SetWaitCursor(false);
}
