#pragma once

// How the main window keeps its layout when it is resized: the bottom row follows the bottom
// edge, the status line and the folder list widen, the result list takes the extra height;
// everything else keeps its place.

struct LayoutRect {
    int left, top, right, bottom;
    bool operator==(const LayoutRect&) const = default;
};

struct LayoutStep {
    enum Kind { kMove, kStretch };
    int id;
    Kind kind;
    bool horizontal; // takes the width change
    bool vertical;   // takes the height change
};

// The steps in the order they run.
const LayoutStep* MainLayoutSteps(int& count);

// The control's new rectangle after one step; a step whose changes are both 0 moves nothing.
LayoutRect ApplyLayoutStep(const LayoutStep& step, LayoutRect r, int dx, int dy);

// Whether a size change needs a layout: not while minimised, not for negative sizes, not
// before the minimum size is known, and not when the client size is what it was.
bool NeedsLayout(bool minimised, int newWidth, int newHeight, bool minimumKnown, int lastWidth,
                 int lastHeight);
