#include "core/platform/PathNames.h"

#include "core/text/Utf8.h"

#include <gtest/gtest.h>

#include <string>

TEST(PathNames, NamesNoPathCanReachAndTheirNearMisses) {
    const struct {
        std::u16string name;
        bool unaddressable;
    } cases[] = {
        // A trailing dot or space is dropped by the platform's path rules.
        {u"y.", true},
        {u"y ", true},
        {u"x..", true},
        {u"a. ", true},
        // Separators, wildcards and other characters no name may hold.
        {u".\\y", true},
        {u"back\\slash.txt", true},
        {u"a/b", true},
        {u"c:d", true},
        {u"a*", true},
        {u"a?", true},
        {u"a\"b", true},
        {u"<a>", true},
        {u"a|b", true},
        {u"tab\there", true},
        {std::u16string(u"nul\0x", 5), true},
        {u"\x1F", true},
        // Devices, alone or with extensions, in any case, with spaces before the dot.
        {u"CON", true},
        {u"prn.txt", true},
        {u"Aux.log", true},
        {u"nul.tar.gz", true},
        {u"com1.txt", true},
        {u"COM0", true},
        {u"lpt9.dat", true},
        {u"nul .txt", true},
        {u"com\u00B9.txt", true},
        {u"LPT\u00B3", true},
        {u"", true},
        // Fine: ordinary names that come close.
        {u".", false},
        {u"..", false},
        {u"a.b", false},
        {u".hidden", false},
        {u"con-1.txt", false},
        {u"com10.txt", false},
        {u"x..y", false},
        {u"lpt", false},
        {u"com\u00B4.txt", false},
        {u"nullable.txt", false},
        {u"aux_", false},
        {u"  lead", false},
        {u"文件.txt", false},
        {u"a b.c", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUnaddressableName(c.name), c.unaddressable) << Utf8FromUtf16(c.name);
}
