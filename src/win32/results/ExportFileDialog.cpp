#include "win32/results/ExportFileDialog.h"

#include "win32/platform/WinString.h"

bool ChooseExportFile(HWND owner, const CSingleFileSel::ShowMessage& show, std::u16string& path) {
    CSingleFileSel dialog(false, L"txt", L"", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                          L"Text Files(*.txt)|*.txt|All Files(*.*)|*.*||", owner, show);
    if (dialog.DoModal() != IDOK) return false;
    path = U16(dialog.PathName());
    return true;
}
