#include "core/scan/CPathPool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::u16string Str(const char16_t* s) { return s ? std::u16string(s) : u"<none>"; }

std::u16string Numbered(int i) {
    std::u16string s = u"D:\\folder\\file";
    for (char c : std::to_string(i)) s += static_cast<char16_t>(c);
    return s;
}

TEST(PathPool, IndicesStartAtOneAndGetGivesTheStoredText) {
    CPathPool pool;
    EXPECT_EQ(pool.Add(u"D:\\a.txt"), 1);
    EXPECT_EQ(pool.Add(u"D:\\b.txt"), 2);
    EXPECT_EQ(Str(pool.Get(1)), u"D:\\a.txt");
    EXPECT_EQ(Str(pool.Get(2)), u"D:\\b.txt");
}

TEST(PathPool, GetGivesNothingOutsideTheStoredRange) {
    CPathPool pool;
    EXPECT_EQ(pool.Get(1), nullptr); // nothing stored yet
    ASSERT_EQ(pool.Add(u"x"), 1);
    EXPECT_EQ(pool.Get(0), nullptr);
    EXPECT_EQ(pool.Get(2), nullptr);
    EXPECT_EQ(pool.Get(-1), nullptr);
    EXPECT_EQ(pool.Get(-2), nullptr);
    EXPECT_EQ(pool.Get(-3), nullptr);
}

TEST(PathPool, NoStringGivesZeroAndStoresNothing) {
    CPathPool pool;
    EXPECT_EQ(pool.Add(nullptr), 0);
    EXPECT_EQ(pool.Count(), 0u);
    EXPECT_EQ(pool.Add(u"a"), 1);
}

TEST(PathPool, EmptyStringIsStoredWithAnIndex) {
    CPathPool pool;
    EXPECT_EQ(pool.Add(u""), 1);
    EXPECT_EQ(pool.Add(u"b"), 2);
    ASSERT_NE(pool.Get(1), nullptr);
    EXPECT_EQ(Str(pool.Get(1)), u"");
    EXPECT_EQ(Str(pool.Get(2)), u"b");
}

TEST(PathPool, LengthLimitIs4094Characters) {
    CPathPool pool;
    const std::u16string longest(4094, u'x');
    const std::u16string tooLong(4095, u'y');
    EXPECT_EQ(pool.Add(tooLong.c_str()), -2);
    EXPECT_EQ(pool.Count(), 0u);
    EXPECT_EQ(pool.Add(longest.c_str()), 1);
    EXPECT_EQ(pool.Add(tooLong.c_str()), -2);
    EXPECT_EQ(pool.Count(), 1u);
    EXPECT_EQ(pool.Get(2), nullptr);
    EXPECT_EQ(Str(pool.Get(1)), longest);
    EXPECT_EQ(pool.Add(u"next"), 2);
}

TEST(PathPool, ManyAddsPastTheFirstTablesKeepEveryIndex) {
    CPathPool pool;
    // Past 1024 entries and far past the first text block, with maximal strings mixed in.
    std::vector<std::u16string> stored;
    for (int i = 1; i <= 5000; ++i) {
        stored.push_back(i % 700 == 0 ? std::u16string(4094, static_cast<char16_t>(u'a' + i % 26))
                                      : Numbered(i));
        ASSERT_EQ(pool.Add(stored.back().c_str()), i) << "add " << i;
    }
    for (int i = 1; i <= 5000; ++i) ASSERT_EQ(Str(pool.Get(i)), stored[i - 1]) << "index " << i;
    EXPECT_EQ(pool.Get(5001), nullptr);
}

TEST(PathPool, The1025thAddSucceeds) {
    CPathPool pool;
    for (int i = 1; i <= 1025; ++i) ASSERT_EQ(pool.Add(u"p"), i);
    EXPECT_EQ(Str(pool.Get(1025)), u"p");
}

TEST(PathPool, ClearForgetsEverythingAndStartsAgainAtOne) {
    CPathPool pool;
    for (int i = 0; i < 3000; ++i) pool.Add(Numbered(i).c_str());
    pool.Clear();
    EXPECT_EQ(pool.Count(), 0u);
    EXPECT_EQ(pool.Get(1), nullptr);
    EXPECT_EQ(pool.Get(3000), nullptr);
    EXPECT_EQ(pool.Add(u"fresh"), 1);
    EXPECT_EQ(Str(pool.Get(1)), u"fresh");
    EXPECT_EQ(pool.Get(2), nullptr); // a smaller second run leaves nothing of the first
}

} // namespace
