#pragma once

#include <windows.h>

#include <string>

// The grid's own pop-up hint: a top-most tool window with a thin border that shows one line
// centred in black on light yellow. The lists show their hints through the platform's tool
// tips instead, so it stays hidden unless shown explicitly.
class CHintWindow {
public:
    static constexpr COLORREF kBackColour = 0xE0FFFF;

    bool Create(HWND owner);
    void Destroy();
    void Show(const std::u16string& text, POINT screen);
    void Hide();
    HWND Handle() const { return hwnd; }

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l);
    void OnPaint();

    HWND hwnd = nullptr;
    std::u16string text;
};
