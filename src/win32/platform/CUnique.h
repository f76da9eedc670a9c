#pragma once

#include <windows.h>

#include <utility>

// A move-only owner of one handle, closed by `Close` when the owner goes away.
template <class H, auto Close> class CUnique {
public:
    CUnique() = default;
    explicit CUnique(H value) : h(value) {}
    CUnique(CUnique&& o) noexcept : h(std::exchange(o.h, H{})) {}
    CUnique& operator=(CUnique o) noexcept {
        std::swap(h, o.h);
        return *this;
    }
    ~CUnique() { Reset(); }

    H Get() const { return h; }
    explicit operator bool() const { return h != H{}; }
    H Release() { return std::exchange(h, H{}); }
    void Reset(H value = H{}) {
        if (h) Close(h);
        h = value;
    }

private:
    H h{};
};

inline void CloseGdiObject(HGDIOBJ o) { DeleteObject(o); }
inline void CloseModule(HMODULE m) { FreeLibrary(m); }
inline void CloseIcon(HICON i) { DestroyIcon(i); }
inline void CloseDc(HDC dc) { DeleteDC(dc); }

using CFontHandle = CUnique<HFONT, CloseGdiObject>;
using CBrushHandle = CUnique<HBRUSH, CloseGdiObject>;
using CPenHandle = CUnique<HPEN, CloseGdiObject>;
using CBitmapHandle = CUnique<HBITMAP, CloseGdiObject>;
using CModuleHandle = CUnique<HMODULE, CloseModule>;
using CMemoryDc = CUnique<HDC, CloseDc>;

// Undoes a SelectObject when the scope ends.
class CSelectGuard {
public:
    CSelectGuard(HDC dc, HGDIOBJ object) : dc(dc), old(SelectObject(dc, object)) {}
    ~CSelectGuard() { SelectObject(dc, old); }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    HDC dc;
    HGDIOBJ old;
};
