#include "win32/platform/NaturalCompareLoader.h"
#include "core/scan/NaturalCompare.h"

#include <gtest/gtest.h>

namespace {

TEST(NaturalCompareLoader, FindsThePlatformOrderAndReleasesIt) {
    LoadNaturalCompare();
    ASSERT_NE(NaturalCompareHook(), nullptr);
    // The platform's answers, not the fallback's: it folds case and ignores leading zeros.
    EXPECT_EQ(NaturalCompare(u"Readme.txt", u"readme.txt"), 0);
    EXPECT_EQ(NaturalCompare(u"file02", u"file2"), 0);
    EXPECT_LT(NaturalCompare(u"file2", u"file10"), 0);
    // Absent strings never reach the platform.
    EXPECT_LT(NaturalCompare(nullptr, u"a"), 0);
    EXPECT_EQ(NaturalCompare(nullptr, nullptr), 0);
    UnloadNaturalCompare();
    EXPECT_EQ(NaturalCompareHook(), nullptr);
    EXPECT_EQ(NaturalCompare(u"file02", u"file2"), -1);
}

} // namespace
