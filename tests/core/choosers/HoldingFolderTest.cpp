#include "core/choosers/HoldingFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HoldingFolder, CutsAtTheLastBackslashAndARootKeepsIts) {
    struct Case {
        std::u16string_view path, folder;
    };
    for (const Case& c : {
             Case{u"D:\\照片\\2016\\a.jpg", u"D:\\照片\\2016"},
             Case{u"C:\\x.txt", u"C:\\"},
             Case{u"\\\\server\\share\\x.txt", u"\\\\server\\share"},
             Case{u"\\x.txt", u"\\"},
             Case{u"\\\\server", u""},
             Case{u"x.txt", u""},
         })
        EXPECT_EQ(HoldingFolder(c.path), c.folder) << std::string(c.path.begin(), c.path.end());
}

} // namespace
