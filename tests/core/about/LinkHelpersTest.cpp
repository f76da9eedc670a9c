#include "core/about/AboutTexts.h"
#include "core/about/HtmCommand.h"
#include "core/about/LinkErrors.h"
#include "core/about/LinkLook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LinkErrors, EveryListedResultHasItsOwnTextAndOthersTheUnknownOne) {
    const std::pair<int, const char16_t*> listed[] = {
        {0, u"The operating system is out\nof memory or resources."},
        {2, u"The specified file was not found."},
        {3, u"The specified path was not found."},
        {5, u"The operating system denied\naccess to the specified file."},
        {8, u"There was not enough memory to complete the operation."},
        {11, u"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, u"A sharing violation occurred. "},
        {27, u"The filename association is\nincomplete or invalid."},
        {28, u"The DDE transaction could not\nbe completed because the request timed out."},
        {29, u"The DDE transaction failed."},
        {30, u"The DDE transaction could not\nbe completed because other DDE "
             u"transactions\nwere being processed."},
        {31, u"There is no application associated\nwith the given filename extension."},
        {32, u"The specified dynamic-link library was not found."},
    };
    for (const auto& [result, text] : listed) EXPECT_EQ(LinkErrorText(result), text) << result;
    EXPECT_EQ(LinkErrorText(4), u"Unknown Error (4) occurred.");
    EXPECT_EQ(LinkErrorText(-7), u"Unknown Error (-7) occurred.");
    EXPECT_EQ(LinkErrorText(33), u"Unknown Error (33) occurred.");
    EXPECT_EQ(LinkErrorMessage(26), u"Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(LinkErrorMessage(4), u"Unable to open hyperlink:\n\nUnknown Error (4) occurred.");
}

TEST(HtmCommand, CutsAtTheQuotedPlaceholderThenTheBareOneElseKeepsTheLine) {
    const std::u16string url = u"https://corvane.example/";
    EXPECT_EQ(HtmCommandLine(u"\"C:\\web\\browse.exe\" -new \"%1\"", url),
              u"\"C:\\web\\browse.exe\" -new  https://corvane.example/");
    // A quoted placeholder wins even when a bare %1 comes first.
    EXPECT_EQ(CutAtPlaceholder(u"view.exe %10 \"%1\" -x"), u"view.exe %10 ");
    EXPECT_EQ(HtmCommandLine(u"C:\\web\\browse.exe %1 -nohome", url),
              u"C:\\web\\browse.exe  https://corvane.example/");
    EXPECT_EQ(HtmCommandLine(u"C:\\web\\browse.exe -nohome", url),
              u"C:\\web\\browse.exe -nohome https://corvane.example/");
    EXPECT_EQ(HtmCommandLine(u"", url), u" https://corvane.example/");
}

TEST(HtmCommand, RegistryTextStopsAtTheFirstTerminatorOrTheLastWholeUnit) {
    const char16_t value[] = u"htmlfile\0rest";
    EXPECT_EQ(RegistryText(value, sizeof(value)), u"htmlfile");
    EXPECT_EQ(RegistryText(value, 8), u"html"); // no terminator in the bytes read
    EXPECT_EQ(RegistryText(value, 9), u"html"); // half a code unit is dropped
    EXPECT_EQ(RegistryText(value, 0), u"");
    EXPECT_EQ(RegistryText(nullptr, 16), u"");
}

TEST(LinkLook, TextColourForEachState) {
    const LinkColours colours{kLinkColour, kVisitedColour, RgbColour(1, 2, 3)};
    EXPECT_EQ(kLinkColour, 0x00EE0000u);
    EXPECT_EQ(kVisitedColour, 0x008B1A55u);
    EXPECT_EQ(LinkTextColour(colours, 0, 0), kLinkColour);
    EXPECT_EQ(LinkTextColour(colours, 0, 1), kVisitedColour);
    EXPECT_EQ(LinkTextColour(colours, 1, 0), 0x00030201u);
    EXPECT_EQ(LinkTextColour(colours, 1, 1), 0x00030201u);
}

TEST(LinkLook, FittingKeepsTheEdgeOrCentreTheAlignmentNames) {
    const LinkRect control{100, 50, 201, 67}; // 101 by 17
    EXPECT_EQ(FitToText(control, 40, 12, 0), (LinkRect{100, 50, 140, 62}));
    EXPECT_EQ(FitToText(control, 40, 12, LinkStyle::kRight), (LinkRect{161, 50, 201, 62}));
    // (101 - 40) / 2 = 30 from each side: still centred, one pixel wider than the text.
    EXPECT_EQ(FitToText(control, 40, 12, LinkStyle::kCenter), (LinkRect{130, 50, 171, 62}));
    // (17 - 12) / 2 = 2 from top and bottom.
    EXPECT_EQ(FitToText(control, 40, 12, LinkStyle::kCenterImage | LinkStyle::kNotify),
              (LinkRect{100, 52, 140, 65}));
    // A text larger than the control grows it, rounding toward zero on both sides.
    EXPECT_EQ(FitToText(control, 110, 20, LinkStyle::kCenter | LinkStyle::kCenterImage),
              (LinkRect{96, 49, 205, 68}));
}

TEST(AboutTexts, IconTipNamesAtMost79UnitsOfTheTitle) {
    EXPECT_EQ(AboutIconTip(u"Corvane"), u"关于 Corvane");
    const std::u16string longTitle(100, u'标');
    EXPECT_EQ(AboutIconTip(longTitle), u"关于 " + std::u16string(79, u'标'));
    EXPECT_EQ(std::u16string(kEmailLink), u"mailto:hello@corvane.example");
}

} // namespace
