#pragma once

#include "win32/grid/CGridWindow.h"
#include "win32/platform/CUnique.h"

#include <windows.h>

// A hidden top-level window holding a bordered "Static" frame, as a dialog's template gives
// it, for a grid to attach to.
class GridTestWindow {
public:
    static constexpr int kFrameId = 1025;

    explicit GridTestWindow(int width = 440, int height = 300, bool visible = false) {
        static const bool registered = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = L"CorvaneGridTestParent";
            return RegisterClassExW(&wc) != 0;
        }();
        (void)registered;
        parent = CreateWindowExW(0, L"CorvaneGridTestParent", L"Corvane",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0),
                                 0, 0, width + 40, height + 60, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, width, height,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFrameId)),
                        GetModuleHandleW(nullptr), nullptr);
    }
    ~GridTestWindow() { DestroyWindow(parent); }
    GridTestWindow(const GridTestWindow&) = delete;
    GridTestWindow& operator=(const GridTestWindow&) = delete;

    HWND Handle() const { return parent; }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

private:
    HWND parent = nullptr;
};

// A part of a grid painted into a 32-bit memory bitmap through its own WM_PRINTCLIENT.
class PaintedPart {
public:
    PaintedPart(HWND part) {
        RECT r;
        GetClientRect(part, &r);
        width = r.right;
        height = r.bottom;
        HDC screen = GetDC(nullptr);
        dc = CMemoryDc(CreateCompatibleDC(screen));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = CBitmapHandle(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc.Get(), bitmap.Get());
        SendMessageW(part, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    }
    ~PaintedPart() { SelectObject(dc.Get(), old); }

    COLORREF At(int x, int y) const { return GetPixel(dc.Get(), x, y); }

    int width = 0;
    int height = 0;

private:
    CMemoryDc dc;
    CBitmapHandle bitmap;
    HGDIOBJ old = nullptr;
};
