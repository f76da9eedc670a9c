#pragma once

// What the about box names: the version, where to write and where to read more. The resource
// compiler reads this file too, so the label texts and the links cannot drift apart, nor the
// version the box names and the one the version resource gives the platform.

#define CORVANE_MAKER_EMAIL "hello@corvane.example"
#define CORVANE_HOME_PAGE_URL "https://corvane.example/"

// The text is what people read ("2.04" is 2.0.4); the four numbers are the same version for
// the platform. The manifest cannot include this file: its assemblyIdentity is kept at the
// same four numbers by hand, and a test compares them.
#define CORVANE_VERSION "2.04"
#define CORVANE_VERSION_NUMBERS 2, 0, 4, 0
#define CORVANE_NAME_AND_VERSION "Corvane " CORVANE_VERSION

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
