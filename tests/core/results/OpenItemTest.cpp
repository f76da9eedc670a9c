#include "core/results/OpenItem.h"

#include "core/app/CMainCommands.h"
#include "core/results/ResultRows.h"
#include "core/window/CFakeWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenItem, TheWorkingDirectoryIsThePathUpToItsLastBackslash) {
    EXPECT_EQ(ContainingFolder(u"D:\\照片\\2016\\a.jpg"), u"D:\\照片\\2016");
    EXPECT_EQ(ContainingFolder(u"D:\\a.jpg"), u"D:");
    EXPECT_EQ(ContainingFolder(u"\\\\server\\share\\a.txt"), u"\\\\server\\share");
    EXPECT_EQ(ContainingFolder(u"D:\\空\\"), u"D:\\空");
    EXPECT_EQ(ContainingFolder(u"(空文件)"), std::nullopt);
    EXPECT_EQ(ContainingFolder(u""), std::nullopt);
}

TEST(OpenItem, APathGoesToTheShellAndAPlaceholderNowhere) {
    CFakeWindow window;
    CMainCommands commands(window);
    commands.OnOpenItem(u"D:\\b\\copy.txt");
    commands.OnOpenItem(std::u16string(kEmptyFileLabel));
    commands.OnOpenItem(std::u16string(kEmptyFolderLabel));
    EXPECT_EQ(window.opened, std::vector<std::u16string>{u"D:\\b\\copy.txt"});
    EXPECT_TRUE(window.messages.empty());
}

} // namespace
