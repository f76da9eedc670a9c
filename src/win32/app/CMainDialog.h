#pragma once

#include "win32/app/CDialogBase.h"

// The program's one window.
class CMainDialog : public CDialogBase {
public:
    CMainDialog();

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL OnInitDialog();
    void OnCommand(int id);
    void ExchangeToControls();

    int checkEmptyFiles = 1;
    int criterion = 0;
    HICON icon = nullptr;
};
