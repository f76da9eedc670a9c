#include "core/app/ControlIds.h"
#include "core/results/ResultRows.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/choosers/DialogDriver.h"
#include "win32/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Le(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out += static_cast<char>(c % 256);
        out += static_cast<char>(c / 256);
    }
    return out;
}

void FillRows(CListGrid& grid) {
    AppendResultRow(grid, u"Z:\\照片\\海边.jpg", u"Z:\\备份\\海边 (1).jpg");
    AppendResultRow(grid, kEmptyFileLabel, u"Z:\\tmp\\e.dat");
    grid.SetTicked(1, 0, true);
}

const std::string kFilledRows = "\xFF\xFE" + Le(u"Z:\\照片\\海边.jpg\tZ:\\备份\\海边 (1).jpg\r\n") +
                                Le(u"(空文件)\tZ:\\tmp\\e.dat\r\n");

void PressExport(CMainDialog& d) {
    SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_EXPORT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(d.Item(IDC_EXPORT)));
}

TEST(ExportListWindow, ABareNameGetsTxtAndTheFileHoldsTheRowsByteForByte) {
    const std::wstring folder = ScratchFolder(L"export-bare");
    ASSERT_FALSE(folder.empty());
    const std::wstring written = folder + L"\\重复列表.txt";
    DeleteFileW(written.c_str());
    CMainDialog d;
    std::wstring said;
    bool done = false;
    RunModal(d, [&] {
        FillRows(d.Commands().resultGrid);
        CDialogDriver driver({[&](HWND save) {
                                  CDialogDriver::TypeFileName(save, folder + L"\\重复列表");
                                  CDialogDriver::Press(save, IDOK);
                              },
                              [&](HWND box) {
                                  said = CDialogDriver::MessageText(box);
                                  CDialogDriver::Press(box, IDOK);
                              }});
        PressExport(d);
        done = driver.Done();
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(done);
    EXPECT_EQ(said, L"导出完毕。");
    EXPECT_TRUE(FileBytes(written) == kFilledRows);
    DeleteFileW(written.c_str());
}

TEST(ExportListWindow, AnExistingFileIsReplacedWholeAfterTheQuestion) {
    const std::wstring folder = ScratchFolder(L"export-replace");
    ASSERT_FALSE(folder.empty());
    const std::wstring target = folder + L"\\old.txt";
    ASSERT_TRUE(WriteBytes(target, std::string(20000, 'x')));
    CMainDialog d;
    std::wstring said;
    bool done = false;
    RunModal(d, [&] {
        FillRows(d.Commands().resultGrid);
        CDialogDriver driver({[&](HWND save) {
                                  CDialogDriver::TypeFileName(save, target);
                                  CDialogDriver::Press(save, IDOK);
                              },
                              [&](HWND question) { CDialogDriver::Press(question, IDYES); },
                              [&](HWND box) {
                                  said = CDialogDriver::MessageText(box);
                                  CDialogDriver::Press(box, IDOK);
                              }});
        PressExport(d);
        done = driver.Done();
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(done);
    EXPECT_EQ(said, L"导出完毕。");
    EXPECT_TRUE(FileBytes(target) == kFilledRows);
    DeleteFileW(target.c_str());
}

} // namespace
