#pragma once

#include <windows.h>

// A dialog built from a template of this program's resources. One thunk binds `this` and
// hands every message to OnMessage; no exception unwinds into user32.
class CDialogBase {
public:
    explicit CDialogBase(int templateId) : templateId(templateId) {}
    virtual ~CDialogBase() = default;
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;

    // Runs the dialog modally in a loop of our own; returns the code given to End, or -1 when
    // the dialog could not be created or a quit request ended the loop (the request is posted
    // again for the caller's loop).
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless (for tests and embedding); the caller destroys it.
    HWND Create(HWND parent);

    HWND Handle() const { return hwnd; }
    HWND Item(int id) const { return GetDlgItem(hwnd, id); }

protected:
    // Answers a message as a dialog procedure does: TRUE when handled. A result that the
    // message needs goes through SetResult.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    void SetResult(LRESULT result) { SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result); }
    void End(INT_PTR code);

    HWND hwnd = nullptr;

private:
    static INT_PTR CALLBACK Thunk(HWND h, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId;
    bool modal = false;
    bool ended = false;
    INT_PTR endCode = -1;
};
