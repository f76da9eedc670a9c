#pragma once

// What the about box names: where to write and where to read more. The resource compiler
// reads this file too, so the label texts and the links cannot drift apart.

#define CORVANE_MAKER_EMAIL "hello@corvane.example"
#define CORVANE_HOME_PAGE_URL "https://corvane.example/"

#ifndef RC_INVOKED
#include <string>
#include <string_view>

inline constexpr const char16_t* kEmailLink = u"mailto:" CORVANE_MAKER_EMAIL;
inline constexpr const char16_t* kHomePageLink = u"" CORVANE_HOME_PAGE_URL;

// The program icon's tooltip: "关于 " and at most 79 code units of the window's title.
inline std::u16string AboutIconTip(std::u16string_view title) {
    return u"关于 " + std::u16string(title.substr(0, 79));
}
#endif
