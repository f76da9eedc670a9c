#pragma once

#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/results/CBoxAnswerer.h"

#include <string>
#include <vector>

// Makes `folder` the one source folder of the real window, presses the search `button` and
// answers the summary with OK; the boxes that came up.
inline std::vector<CBoxAnswerer::Box> PressSearch(CMainDialog& d, const std::u16string& folder,
                                                  int button = IDC_FIND_DUPLICATES) {
    CMainCommands& c = d.Commands();
    c.folderGrid.RemoveAllRows();
    c.folderGrid.AppendRow();
    c.folderGrid.SetCellText(0, 0, folder);
    CBoxAnswerer answerer(d.Handle(), {IDOK});
    SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return answerer.Boxes();
}
