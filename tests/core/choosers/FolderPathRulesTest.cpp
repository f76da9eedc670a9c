#include "core/choosers/FolderPathRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FolderPathRules, DriveRootsAndPlainFoldersPass) {
    for (const char16_t* path : {u"D:\\", u"z:\\", u"D:\\Data", u"D:\\Data\\2016 年\\照片",
                                 u"D:\\a.b\\c d", u"D:\\~$x\\#1 (copy)"})
        EXPECT_TRUE(IsValidFolderPath(path));
}

TEST(FolderPathRules, TheDrivePartMustBeALetterAColonAndABackslash) {
    for (const char16_t* path : {u"", u"D", u"D:", u"D:/", u"DD\\", u"1:\\", u"é:\\", u":\\a",
                                 u"D:a", u"\\\\server\\share", u"\\\\server\\share\\folder",
                                 u"\\\\?\\D:\\a", u"Data\\x", u"D:/Data"})
        EXPECT_FALSE(IsValidFolderPath(path));
    // A letter outside ASCII is no drive, even one that folds to one.
    EXPECT_FALSE(IsValidFolderPath(u"\uFF24:\\a")); // fullwidth D
}

TEST(FolderPathRules, EachComponentIsCheckedAtBothEndsAndThroughout) {
    for (const char16_t* path :
         {u"D:\\Data\\", u"D:\\a\\\\b", u"D:\\\\", u"D:\\.cache", u"D:\\a\\.", u"D:\\a\\..",
          u"D:\\a.", u"D:\\ a", u"D:\\a ", u"D:\\\ta", u"D:\\a\t", u"D:\\a\\b.\\c"})
        EXPECT_FALSE(IsValidFolderPath(path));
    for (char16_t bad : std::u16string_view(u"\"*/:<>?|")) {
        EXPECT_FALSE(IsValidFolderPath(u"D:\\a" + std::u16string(1, bad) + u"b")) << int(bad);
        EXPECT_FALSE(IsValidFolderPath(u"D:\\ok\\" + std::u16string(1, bad))) << int(bad);
    }
}

TEST(FolderPathRules, ControlCharactersAndAnEmbeddedNulAreRefused) {
    // A tab inside a name included: no platform name can hold one, so nothing that exists is
    // lost by refusing it.
    for (char16_t c = 1; c < 0x20; ++c) {
        EXPECT_FALSE(IsValidFolderPath(u"D:\\a" + std::u16string(1, c) + u"b")) << int(c);
    }
    // The platform would stop reading at the NUL and see D:\a, which this test never saw.
    const std::u16string withNul(u"D:\\a\0\\..\\b", 10);
    EXPECT_FALSE(IsValidFolderPath(withNul));
    EXPECT_TRUE(IsValidFolderPath(u"D:\\a\x7F\u00A0\U0001F600")); // DEL, NBSP, a surrogate pair
}

TEST(FolderPathRules, AcceptableMeansWellFormedThenExistingAndAsksNothingForBadForms) {
    std::u16string asked;
    auto exists = [&](std::u16string_view p) {
        asked = p;
        return p != u"D:\\missing";
    };
    EXPECT_TRUE(IsAcceptableFolder(u"D:\\Data", exists));
    EXPECT_TRUE(
        IsAcceptableFolder(u"D:\\notes.txt", exists)); // a file passes: form and existence only
    EXPECT_FALSE(IsAcceptableFolder(u"D:\\missing", exists));
    asked.clear();
    EXPECT_FALSE(IsAcceptableFolder(u"\\\\server\\share", exists));
    EXPECT_FALSE(IsAcceptableFolder(u"D:\\Data\\", exists));
    EXPECT_EQ(asked, u""); // refused by form: the file system was never asked
    EXPECT_FALSE(IsAcceptableFolder(u"D:\\Data", nullptr));
}

TEST(FolderPathRules, APathThatDoesNotFitTheBuffersIsRefusedWhole) {
    auto exists = [](std::u16string_view) { return true; };
    std::u16string path = u"D:";
    while (path.size() < kPathBufferUnits - 1 - 10) path += u"\\folder";
    path.resize(kPathBufferUnits - 1, u'x'); // 2047 units: the most a buffer holds
    ASSERT_TRUE(IsValidFolderPath(path));
    EXPECT_TRUE(IsAcceptableFolder(path, exists));
    path += u'x';
    EXPECT_TRUE(IsValidFolderPath(path)); // well formed, but too long to be kept
    EXPECT_FALSE(IsAcceptableFolder(path, exists));
    const std::u16string huge = u"D:\\" + std::u16string(1 << 20, u'a');
    EXPECT_FALSE(IsAcceptableFolder(huge, exists));
}

TEST(FolderPathRules, TheMessageQuotesThePathWhole) {
    EXPECT_EQ(InvalidFolderMessage(u"D:\\100%s\\%d"),
              u"您所指定的目录\n\nD:\\100%s\\%d\n\n无效。请重新指定。");
}

} // namespace
