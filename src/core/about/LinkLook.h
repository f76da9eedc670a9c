#pragma once

#include <cstdint>

// How a link label looks: the colour of its text for its state, and the rectangle that fits
// the control to its text. Colours are 0x00BBGGRR values, as the platform keeps them.

using LinkColour = uint32_t;

constexpr LinkColour RgbColour(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

constexpr LinkColour kLinkColour = RgbColour(0, 0, 238);
constexpr LinkColour kVisitedColour = RgbColour(85, 26, 139);

struct LinkColours {
    LinkColour link = kLinkColour;
    LinkColour visited = kVisitedColour;
    LinkColour hover = 0; // the system's highlight colour, read when the label is made
};

// The pointer over the label wins, then a link that was opened, then the plain link colour.
LinkColour LinkTextColour(const LinkColours& colours, int32_t over, int32_t visited);

struct LinkRect {
    int left, top, right, bottom;
    bool operator==(const LinkRect&) const = default;
};

// The platform's static-control styles that fitting reads.
namespace LinkStyle {
constexpr uint32_t kAlignMask = 0x1F; // the control's kind: left, centred, right, ...
constexpr uint32_t kCenter = 0x1;
constexpr uint32_t kRight = 0x2;
constexpr uint32_t kCenterImage = 0x200;
constexpr uint32_t kNotify = 0x100;
} // namespace LinkStyle

// The control's rectangle `r` (in its parent) fitted to a text of cx by cy pixels: a centred
// control stays centred, a right-aligned one keeps its right edge, any other its left edge;
// vertically it keeps its top edge, or stays centred with the centre-image style.
LinkRect FitToText(LinkRect r, int cx, int cy, uint32_t style);
