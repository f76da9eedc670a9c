#include "core/app/MainLayout.h"

#include "core/window/ControlIds.h"

#include <iterator>

namespace {

constexpr LayoutStep kSteps[] = {
    {IDC_DUPLICATES_LABEL, LayoutStep::kMove, false, true},
    {IDC_EXAMINED_LABEL, LayoutStep::kMove, false, true},
    {IDC_DUPLICATES, LayoutStep::kMove, false, true},
    {IDC_EXAMINED, LayoutStep::kMove, false, true},
    {IDC_TOTAL, LayoutStep::kMove, false, true},
    {IDC_EMPTY_LABEL, LayoutStep::kMove, false, true},
    {IDC_EMPTY, LayoutStep::kMove, false, true},
    {IDC_STATUS, LayoutStep::kMove, false, true},
    {IDC_STATUS, LayoutStep::kStretch, true, false},
    {IDC_RESULT_FRAME, LayoutStep::kStretch, true, true},
    {IDC_FOLDER_FRAME, LayoutStep::kStretch, true, false},
};

} // namespace

const LayoutStep* MainLayoutSteps(int& count) {
    count = static_cast<int>(std::size(kSteps));
    return kSteps;
}

LayoutRect ApplyLayoutStep(const LayoutStep& step, LayoutRect r, int dx, int dy) {
    const int x = step.horizontal ? dx : 0;
    const int y = step.vertical ? dy : 0;
    if (step.kind == LayoutStep::kMove) {
        r.left += x;
        r.top += y;
    }
    r.right += x;
    r.bottom += y;
    return r;
}

bool NeedsLayout(bool minimised, int newWidth, int newHeight, bool minimumKnown, int lastWidth,
                 int lastHeight) {
    if (minimised || newWidth < 0 || newHeight < 0 || !minimumKnown) return false;
    return newWidth != lastWidth || newHeight != lastHeight;
}
