#include "core/scan/NaturalCompare.h"
#include "core/scan/CharClass.h"
#include "core/scan/ComparePaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Expects a strictly before b, and the mirror answer with the sides swapped.
void ExpectBefore(const char16_t* a, const char16_t* b) {
    EXPECT_EQ(NaturalCompareFallback(a, b), -1) << "a before b";
    EXPECT_EQ(NaturalCompareFallback(b, a), 1) << "b after a";
}

TEST(NaturalFallback, DigitRunsCompareAsNumbers) {
    ExpectBefore(u"file2", u"file10");
    ExpectBefore(u"file10", u"file11");
    ExpectBefore(u"a1b", u"a1c");
    ExpectBefore(u"x9y", u"x10a");
    ExpectBefore(u"v1.2", u"v1.10");
}

TEST(NaturalFallback, MoreLeadingZerosSortFirstAtEqualValue) {
    ExpectBefore(u"file02", u"file2");
    ExpectBefore(u"000", u"0");
    ExpectBefore(u"007b", u"7a"); // the run decides before the text after it
    ExpectBefore(u"file002", u"file10");
}

TEST(NaturalFallback, AbsentAndEmptyStrings) {
    EXPECT_EQ(NaturalCompareFallback(nullptr, nullptr), 0);
    EXPECT_EQ(NaturalCompareFallback(u"", u""), 0);
    ExpectBefore(nullptr, u"");
    ExpectBefore(nullptr, u"a");
    ExpectBefore(u"", u"a");
    ExpectBefore(u"", u"_");
}

TEST(NaturalFallback, PrefixSortsFirstOnEitherSide) {
    ExpectBefore(u"a", u"ab");
    ExpectBefore(u"file1", u"file1a");
    ExpectBefore(u"12", u"12.txt");
}

TEST(NaturalFallback, NoCaseFolding) {
    ExpectBefore(u"B", u"a");
    ExpectBefore(u"Readme.txt", u"readme.txt");
    ExpectBefore(u"Z", u"a");
}

TEST(NaturalFallback, DigitsBeforeSymbolsBeforeLetters) {
    ExpectBefore(u"a1", u"ab");
    ExpectBefore(u"a1", u"a_");
    ExpectBefore(u"a_", u"ab");
    ExpectBefore(u"a-", u"a_"); // symbols among themselves by code unit
}

TEST(NaturalFallback, FirstPositionPutsSymbolsFirst) {
    ExpectBefore(u"_x", u"1x");
    ExpectBefore(u"_x", u"ax");
    ExpectBefore(u"1x", u"ax");
    ExpectBefore(u"~", u"0");
}

TEST(NaturalFallback, ZeroOnlyForIdenticalStrings) {
    EXPECT_EQ(NaturalCompareFallback(u"file10.txt", u"file10.txt"), 0);
    EXPECT_NE(NaturalCompareFallback(u"file10", u"file010"), 0);
    EXPECT_NE(NaturalCompareFallback(u"a", u"A"), 0);
}

TEST(NaturalFallback, CharacterClassesAbove255) {
    EXPECT_TRUE(IsLetterUnit(u'文'));      // ideographs are letters
    EXPECT_FALSE(IsLetterUnit(u'\u00E4')); // below 256 only the ASCII letters count
    EXPECT_TRUE(IsLetterUnit(u'\u0416'));  // Cyrillic
    EXPECT_FALSE(IsLetterUnit(u'，'));     // fullwidth comma
    EXPECT_FALSE(IsLetterUnit(u'\u3002')); // ideographic full stop
    EXPECT_FALSE(IsLetterUnit(u'\u2014')); // em dash
    EXPECT_TRUE(IsDigitUnit(u'\u0663'));   // Arabic-Indic three
    EXPECT_TRUE(IsDigitUnit(u'\uFF19'));   // fullwidth nine
    EXPECT_FALSE(IsDigitUnit(u'\uFF1A'));
    EXPECT_FALSE(IsDigitUnit(u'\u00B2')); // superscript two is below 256: not a digit
    ExpectBefore(u"第2章", u"第10章");
    ExpectBefore(u"a\uFF12", u"a\uFF11\uFF10"); // digit runs of other scripts count too
    ExpectBefore(u"a，", u"a文");               // a symbol before a letter
}

// Random strings over the alphabets that make the order interesting.
std::u16string RandomString(std::mt19937& rng) {
    static const std::u16string alphabet = u"0000123456789aAbBzZ_-.~ 文\uFF10\uFF15，";
    std::uniform_int_distribution<size_t> len(0, 6), pick(0, alphabet.size() - 1);
    std::u16string s;
    for (size_t n = len(rng); n > 0; --n) s += alphabet[pick(rng)];
    return s;
}

TEST(NaturalFallback, IsAConsistentOrder) {
    std::mt19937 rng(20261208);
    std::vector<std::u16string> words;
    for (int i = 0; i < 600; ++i) words.push_back(RandomString(rng));
    auto cmp = [](const std::u16string& x, const std::u16string& y) {
        return NaturalCompareFallback(x.c_str(), y.c_str());
    };
    for (const auto& x : words) {
        for (const auto& y : words) {
            const int r = cmp(x, y);
            ASSERT_EQ(r, -cmp(y, x)) << "antisymmetry";
            ASSERT_EQ(r == 0, x == y) << "zero only for identical strings";
        }
    }
    // Transitivity: after sorting, every pair must be in order, not just neighbours.
    std::sort(words.begin(), words.end(), [&](auto& x, auto& y) { return cmp(x, y) < 0; });
    for (size_t i = 0; i < words.size(); ++i)
        for (size_t j = i + 1; j < words.size(); ++j)
            ASSERT_LE(cmp(words[i], words[j]), 0) << "transitivity at " << i << ", " << j;
}

class PathOrder : public ::testing::Test {
protected:
    void SetUp() override { SetNaturalCompareHook(nullptr); }
};

TEST_F(PathOrder, ComponentsCompareNaturally) {
    EXPECT_LT(ComparePaths(u"D:\\Dir\\file2.txt", u"D:\\Dir\\file10.txt"), 0);
    EXPECT_GT(ComparePaths(u"D:\\Dir\\file10.txt", u"D:\\Dir\\file2.txt"), 0);
    // Separators end components: "a b" vs "a\b" is decided by the component, not by ' ' < '\'
    EXPECT_LT(ComparePaths(u"D:\\a\\z", u"D:\\a b"), 0);
}

TEST_F(PathOrder, AncestorsSortFirst) {
    EXPECT_LT(ComparePaths(u"D:\\a", u"D:\\a\\b"), 0);
    EXPECT_GT(ComparePaths(u"D:\\a\\b", u"D:\\a"), 0);
}

TEST_F(PathOrder, SeparatorsAndAsciiCaseDoNotMatter) {
    EXPECT_EQ(ComparePaths(u"D:\\a\\b", u"D:/A/B"), 0);
    EXPECT_EQ(ComparePaths(u"\\\\D:\\\\a\\", u"D:/a"), 0); // no empty components
    EXPECT_EQ(ComparePaths(u"D:\\Readme.txt", u"D:\\readme.TXT"), 0);
    EXPECT_NE(ComparePaths(u"D:\\\u00C4", u"D:\\\u00E4"), 0); // only a-z are folded
}

TEST_F(PathOrder, PathsWithoutComponents) {
    EXPECT_EQ(ComparePaths(u"", u"\\/"), 0);
    EXPECT_EQ(ComparePaths(nullptr, u""), 0);
    EXPECT_LT(ComparePaths(u"\\", u"D:"), 0);
    EXPECT_GT(ComparePaths(u"D:", nullptr), 0);
}

TEST_F(PathOrder, LongComponentsAreComparedWhole) {
    std::u16string a = u"D:\\" + std::u16string(3000, u'k') + u"1";
    std::u16string b = u"D:\\" + std::u16string(3000, u'k') + u"2";
    EXPECT_LT(ComparePaths(a.c_str(), b.c_str()), 0);
    EXPECT_EQ(ComparePaths(a.c_str(), a.c_str()), 0);
}

TEST_F(PathOrder, GoesThroughTheHook) {
    static int calls;
    calls = 0;
    SetNaturalCompareHook([](const char16_t*, const char16_t*) {
        ++calls;
        return 0;
    });
    EXPECT_EQ(ComparePaths(u"D:\\x\\y", u"E:\\z\\w"), 0); // the hook says every name matches
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(NaturalCompare(u"a", u"b"), 0);
    SetNaturalCompareHook(nullptr);
    EXPECT_EQ(NaturalCompare(u"a", u"b"), -1);
}

} // namespace

TEST_F(PathOrder, ACommonPrefixDecidesNothing) {
    // The same tails behind a prefix that differs only in case take the component walk from
    // the start; behind an identical prefix they may skip it. Both must answer alike.
    std::mt19937 rng(13);
    const std::u16string units = u"aA1 0\\/.b9";
    auto tail = [&] {
        std::u16string s;
        for (int n = static_cast<int>(rng() % 9); n > 0; --n) s += units[rng() % units.size()];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::u16string x = tail(), y = tail();
        const std::u16string shared = x.substr(0, rng() % (x.size() + 1));
        const std::u16string a = u"D:\\ab\\" + shared + x, b = u"D:\\ab\\" + shared + y;
        const std::u16string walked = u"d:\\AB\\" + shared + y;
        ASSERT_EQ(ComparePaths(a.c_str(), b.c_str()), ComparePaths(a.c_str(), walked.c_str())) << i;
    }
}
