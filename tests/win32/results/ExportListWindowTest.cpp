#include "core/results/LittleEndian.h"
#include "core/results/ResultRows.h"
#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/choosers/DialogDriver.h"
#include "win32/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void FillRows(CListGrid& grid) {
    AppendResultRow(grid, u"Z:\\照片\\海边.jpg", u"Z:\\备份\\海边 (1).jpg");
    AppendResultRow(grid, kEmptyFileLabel, u"Z:\\tmp\\e.dat");
    grid.SetTicked(1, 0, true);
}

const std::string kFilledRows = "\xFF\xFE" + Le(u"Z:\\照片\\海边.jpg\tZ:\\备份\\海边 (1).jpg\r\n") +
                                Le(u"(空文件)\tZ:\\tmp\\e.dat\r\n");

struct Exported {
    bool done = false; // every dialog came up and was answered
    std::wstring said;
};

// Presses "导出列表" in the real window over the rows above, types `name` into the save
// dialog, answers Yes to a question about replacing a file when `replacing`, and reads the
// closing message.
Exported ExportAs(const std::wstring& name, bool replacing) {
    Exported result;
    CMainDialog d;
    RunModal(d, [&] {
        FillRows(d.Commands().resultGrid);
        std::vector<CDialogDriver::Step> steps;
        steps.push_back([&](HWND save) {
            CDialogDriver::TypeFileName(save, name);
            CDialogDriver::Press(save, IDOK);
        });
        if (replacing)
            steps.push_back([](HWND question) { CDialogDriver::Press(question, IDYES); });
        steps.push_back([&](HWND box) {
            result.said = CDialogDriver::MessageText(box);
            CDialogDriver::Press(box, IDOK);
        });
        CDialogDriver driver(std::move(steps));
        SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_EXPORT, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.Item(IDC_EXPORT)));
        result.done = driver.Done();
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    return result;
}

TEST(ExportListWindow, ABareNameGetsTxtAndTheFileHoldsTheRowsByteForByte) {
    const std::wstring folder = ScratchFolder(L"export-bare");
    ASSERT_FALSE(folder.empty());
    const std::wstring written = folder + L"\\重复列表.txt";
    DeleteFileW(written.c_str());
    const Exported exported = ExportAs(folder + L"\\重复列表", false);
    EXPECT_TRUE(exported.done);
    EXPECT_EQ(exported.said, L"导出完毕。");
    EXPECT_TRUE(FileBytes(written) == kFilledRows);
    DeleteFileW(written.c_str());
}

TEST(ExportListWindow, AnExistingFileIsReplacedWholeAfterTheQuestion) {
    const std::wstring folder = ScratchFolder(L"export-replace");
    ASSERT_FALSE(folder.empty());
    const std::wstring target = folder + L"\\old.txt";
    ASSERT_TRUE(WriteBytes(target, std::string(20000, 'x')));
    const Exported exported = ExportAs(target, true);
    EXPECT_TRUE(exported.done);
    EXPECT_EQ(exported.said, L"导出完毕。");
    EXPECT_TRUE(FileBytes(target) == kFilledRows);
    DeleteFileW(target.c_str());
}

// A device name opens the device: nothing written there is kept, so nothing is said to be done.
TEST(ExportListWindow, ADeviceNameIsNoFileToWriteTo) {
    const std::wstring folder = ScratchFolder(L"export-device");
    ASSERT_FALSE(folder.empty());
    // The save dialog sees the device as a file that exists, and asks before replacing it.
    const Exported exported = ExportAs(folder + L"\\nul.txt", true);
    EXPECT_TRUE(exported.done);
    EXPECT_EQ(exported.said, L"输出文件创建失败。");
}

} // namespace
