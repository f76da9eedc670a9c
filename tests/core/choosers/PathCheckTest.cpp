#include "core/choosers/PathCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PathCheck, AQuestionMarkAnywhereIsRefusedWithTheNameQuoted) {
    std::vector<std::u16string> shown;
    auto show = [&](const std::u16string& text) { shown.push_back(text); };
    EXPECT_FALSE(IsAcceptablePath(u"Z:\\导出\\a?b.txt", show));
    EXPECT_FALSE(IsAcceptablePath(u"?", show));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], u"路径含无效字符（?）：\r\nZ:\\导出\\a?b.txt");
    EXPECT_EQ(shown[1], u"路径含无效字符（?）：\r\n?");
}

TEST(PathCheck, OtherNamesPassWithoutAWord) {
    std::vector<std::u16string> shown;
    auto show = [&](const std::u16string& text) { shown.push_back(text); };
    // The full-width question mark is an ordinary character of a name.
    EXPECT_TRUE(IsAcceptablePath(u"Z:\\导出\\为什么？.txt", show));
    EXPECT_TRUE(IsAcceptablePath(u"Z:\\not-there-yet\\list", show));
    EXPECT_TRUE(shown.empty());
}

} // namespace
