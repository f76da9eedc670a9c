#include "core/about/LinkLook.h"

LinkColour LinkTextColour(const LinkColours& colours, int32_t over, int32_t visited) {
    if (over) return colours.hover;
    return visited ? colours.visited : colours.link;
}

LinkRect FitToText(LinkRect r, int cx, int cy, uint32_t style) {
    if (style & LinkStyle::kCenterImage) {
        // Integer division rounds toward zero, as the margins must.
        const int margin = (r.bottom - r.top - cy) / 2;
        r.top += margin;
        r.bottom -= margin;
    } else {
        r.bottom = r.top + cy;
    }
    switch (style & LinkStyle::kAlignMask) {
    case LinkStyle::kCenter: {
        const int margin = (r.right - r.left - cx) / 2;
        r.left += margin;
        r.right -= margin;
        break;
    }
    case LinkStyle::kRight: r.left = r.right - cx; break;
    default: r.right = r.left + cx; break;
    }
    return r;
}
