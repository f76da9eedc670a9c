#include "core/grid/CheckState.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckState, TextsReadAsTickedOrNot) {
    EXPECT_TRUE(ReadsAsTicked(u"1"));
    EXPECT_TRUE(ReadsAsTicked(u"1.000000"));
    EXPECT_FALSE(ReadsAsTicked(u"0"));
    EXPECT_FALSE(ReadsAsTicked(u"0.000000"));
    EXPECT_TRUE(ReadsAsTicked(u"T"));
    EXPECT_TRUE(ReadsAsTicked(u"true"));
    EXPECT_TRUE(ReadsAsTicked(u" +3"));
    EXPECT_TRUE(ReadsAsTicked(u"\t-2x"));
    EXPECT_FALSE(ReadsAsTicked(u""));
    EXPECT_FALSE(ReadsAsTicked(static_cast<const std::u16string*>(nullptr)));
    EXPECT_FALSE(ReadsAsTicked(u"F"));
    EXPECT_FALSE(ReadsAsTicked(u" T")); // the letter counts only as the first character
    EXPECT_FALSE(ReadsAsTicked(u"-0"));
    EXPECT_FALSE(ReadsAsTicked(u"0.5")); // the leading integer is 0
    EXPECT_FALSE(ReadsAsTicked(u"+"));
    EXPECT_TRUE(ReadsAsTicked(u"000000000000000000000000000000000001"));
}

TEST(CheckState, NumbersParseLikeTheCLibrary) {
    EXPECT_EQ(ParseNumber(u""), 0.0);
    EXPECT_EQ(ParseNumber(u"1.000000"), 1.0);
    EXPECT_EQ(ParseNumber(u"  -2.5abc"), -2.5);
    EXPECT_EQ(ParseNumber(u"T"), 0.0);
    EXPECT_EQ(ParseNumber(u"1e999"), 0.0); // no infinity in a cell
    EXPECT_EQ(FormatNumber(1, 6), u"1.000000");
    EXPECT_EQ(FormatNumber(0, 6), u"0.000000");
}

} // namespace
