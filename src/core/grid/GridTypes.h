#pragma once

#include <cstdint>

// Plain geometry and colour values shared by the grid's model and its window. Rectangles are
// half-open like the platform's: right and bottom are one past the last pixel.

// A size in pixels at 96 dpi as it is at `dpi`, rounded half away from zero as the platform's
// MulDiv rounds, so that sizes agree with what the platform scales itself.
constexpr int ScaleForDpi(int pixelsAt96, int dpi) {
    const int64_t product = int64_t{pixelsAt96} * dpi;
    return static_cast<int>(product >= 0 ? (product + 48) / 96 : -((-product + 48) / 96));
}

struct GridPoint {
    int x = 0;
    int y = 0;
};

struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(GridPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool Intersects(const GridRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// A colour value 0x00BBGGRR, or a system colour that only the window layer can resolve:
// the top bit tags it, the low byte is the platform's colour index.
using GridColour = uint32_t;

constexpr GridColour kSystemColourTag = 0x80000000u;
constexpr GridColour SystemColour(int index) {
    return kSystemColourTag | static_cast<GridColour>(index & 0xFF);
}
constexpr bool IsSystemColour(GridColour c) { return (c & kSystemColourTag) != 0; }
constexpr int SystemColourIndex(GridColour c) { return static_cast<int>(c & 0xFF); }

// The platform's colour indices, so that the window can pass them straight on.
namespace SysColour {
constexpr GridColour kWindow = SystemColour(5);
constexpr GridColour kWindowText = SystemColour(8);
constexpr GridColour kHighlight = SystemColour(13);
constexpr GridColour kHighlightText = SystemColour(14);
constexpr GridColour kButtonFace = SystemColour(15);
constexpr GridColour kButtonShadow = SystemColour(16);
constexpr GridColour kButtonHighlight = SystemColour(20);
} // namespace SysColour

constexpr GridColour kBlack = 0x000000;
constexpr GridColour kLightYellow = 0xE6FFFF; // current row number and current column heading
constexpr GridColour kGridLineColour = 0xDCDCDC;
constexpr GridColour kBoxLightGrey = 0xE1E1E1;

// Fonts and pens are the window layer's objects; the model only carries them around.
using GridFont = uintptr_t;
using GridPen = uintptr_t;

// Key codes the grid reacts to; they are the platform's virtual-key codes, so the window
// forwards them unchanged.
namespace GridKey {
constexpr int kSpace = 0x20;
constexpr int kPageUp = 0x21;
constexpr int kPageDown = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
} // namespace GridKey

// The parts of the grid window that the model paints and hit-tests in their own coordinates.
enum class GridPart { Cells, TopHeading, SideHeading, Corner };
