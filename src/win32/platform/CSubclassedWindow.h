#pragma once

#include <windows.h>

// Takes over an existing control: its messages reach WndProc first, and whatever WndProc
// leaves to DefProc gets the control's own handling. The subclass ends with the window.
class CSubclassedWindow {
public:
    CSubclassedWindow() = default;
    virtual ~CSubclassedWindow();
    CSubclassedWindow(const CSubclassedWindow&) = delete;
    CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;

    bool SubclassDlgItem(HWND dialog, int id);
    bool Subclass(HWND window);
    HWND Handle() const { return hwnd; }

protected:
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    LRESULT DefProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;

private:
    static LRESULT CALLBACK Thunk(HWND h, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
    void Detach();
};
