#pragma once

#include "win32/app/CDialogBase.h"

#include <cstdint>

// A dialog that can never be made smaller than its design size and tells its subclass by how
// much the client area changed.
class CResizableDialog : public CDialogBase {
public:
    using CDialogBase::CDialogBase;

    int32_t minTrackWidth = 0;
    int32_t minTrackHeight = 0;

protected:
    // Part of WM_INITDIALOG: records the design size as the minimum.
    void InitResizing();
    // Handles the size messages; true when `message` was one of them.
    bool OnResizeMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnSizeChanged(int dx, int dy) = 0;

    RECT lastClient{};
};
