#include "core/app/MainLayout.h"
#include "core/window/ControlIds.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Runs every step over a set of rectangles, as the window does with its controls.
std::map<int, LayoutRect> Apply(std::map<int, LayoutRect> rects, int dx, int dy) {
    int count = 0;
    const LayoutStep* steps = MainLayoutSteps(count);
    for (int i = 0; i < count; ++i) {
        auto it = rects.find(steps[i].id);
        if (it != rects.end()) it->second = ApplyLayoutStep(steps[i], it->second, dx, dy);
    }
    return rects;
}

const std::map<int, LayoutRect> kDesign = {
    {IDC_FOLDER_FRAME, {14, 28, 820, 166}},   {IDC_RESULT_FRAME, {14, 221, 820, 396}},
    {IDC_EXAMINED, {64, 400, 122, 417}},      {IDC_EMPTY_LABEL, {485, 401, 581, 415}},
    {IDC_STATUS, {14, 420, 820, 437}},        {IDC_TOTAL, {129, 400, 236, 414}},
    {IDC_FIND_DUPLICATES, {713, 5, 818, 25}}, {IDC_ABOUT_ICON, {787, 180, 818, 214}},
    {IDC_EXAMINED_LABEL, {14, 401, 61, 415}}, {IDC_DUPLICATES_LABEL, {259, 401, 294, 415}},
    {IDC_DUPLICATES, {298, 400, 357, 417}},   {IDC_EMPTY, {586, 400, 643, 417}},
};

TEST(MainLayout, BottomRowFollowsTheBottomEdgeAndTheResultListTakesTheHeight) {
    const auto r = Apply(kDesign, 300, 200);
    for (int id : {IDC_EXAMINED_LABEL, IDC_EXAMINED, IDC_TOTAL, IDC_DUPLICATES_LABEL,
                   IDC_DUPLICATES, IDC_EMPTY_LABEL, IDC_EMPTY}) {
        const LayoutRect a = kDesign.at(id), b = r.at(id);
        EXPECT_EQ(b, (LayoutRect{a.left, a.top + 200, a.right, a.bottom + 200})) << id;
    }
    EXPECT_EQ(r.at(IDC_STATUS), (LayoutRect{14, 620, 1120, 637}));       // moved, then widened
    EXPECT_EQ(r.at(IDC_RESULT_FRAME), (LayoutRect{14, 221, 1120, 596})); // stretched both ways
    EXPECT_EQ(r.at(IDC_FOLDER_FRAME), (LayoutRect{14, 28, 1120, 166}));  // only wider
    EXPECT_EQ(r.at(IDC_FIND_DUPLICATES), kDesign.at(IDC_FIND_DUPLICATES));
    EXPECT_EQ(r.at(IDC_ABOUT_ICON), kDesign.at(IDC_ABOUT_ICON));
}

TEST(MainLayout, GrowingAndShrinkingBackRestoresEveryRectangle) {
    EXPECT_EQ(Apply(Apply(kDesign, 456, 321), -456, -321), kDesign);
    EXPECT_EQ(Apply(kDesign, 0, 0), kDesign);
}

TEST(MainLayout, SizeChangesThatNeedNoLayout) {
    EXPECT_TRUE(NeedsLayout(false, 900, 600, true, 844, 559));
    EXPECT_FALSE(NeedsLayout(true, 0, 0, true, 844, 559));      // minimised
    EXPECT_FALSE(NeedsLayout(false, 844, 559, true, 844, 559)); // restored: the same size
    EXPECT_FALSE(NeedsLayout(false, 900, 600, false, 0, 0));    // before initialisation
    EXPECT_FALSE(NeedsLayout(false, -1, 600, true, 844, 559));
    EXPECT_TRUE(NeedsLayout(false, 844, 560, true, 844, 559));
}

} // namespace
