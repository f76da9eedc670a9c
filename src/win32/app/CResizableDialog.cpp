#include "win32/app/CResizableDialog.h"

#include "core/app/MainLayout.h"

void CResizableDialog::InitResizing() {
    RECT outer;
    GetWindowRect(hwnd, &outer);
    minTrackWidth = outer.right - outer.left;
    minTrackHeight = outer.bottom - outer.top;
    GetClientRect(hwnd, &lastClient);
}

bool CResizableDialog::OnResizeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        if (minTrackWidth && minTrackHeight) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {minTrackWidth, minTrackHeight};
        }
        return true;
    }
    if (message != WM_SIZE) return false;
    RECT client;
    GetClientRect(hwnd, &client);
    // Restoring a minimised window finds the old client size again and lays out nothing.
    if (NeedsLayout(wParam == SIZE_MINIMIZED, client.right, client.bottom,
                    minTrackWidth && minTrackHeight, lastClient.right, lastClient.bottom)) {
        OnSizeChanged(client.right - lastClient.right, client.bottom - lastClient.bottom);
        lastClient.right = client.right;
        lastClient.bottom = client.bottom;
    }
    return true;
}
