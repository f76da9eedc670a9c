#include "core/platform/CMemoryFileSystem.h"
#include "core/scan/CScriptedProgress.h"
#include "core/scan/CSrchDir.h"
#include "core/scan/NameKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes down every hook call in order.
class CTracingWalk : public CSrchDir {
public:
    using CSrchDir::CSrchDir;
    std::vector<std::u16string> trace;
    int stopAfter = -1;

protected:
    void OnFile(const std::u16string& path, const DirEntry&) override {
        trace.push_back(u"file " + path);
        if (static_cast<int>(trace.size()) == stopAfter) stopWalk = 1;
    }
    void OnEnterFolder(const std::u16string& path, const DirEntry&) override {
        trace.push_back(u"enter " + path);
    }
    void OnLeaveFolder(const std::u16string& path, const DirEntry&) override {
        trace.push_back(u"leave " + path);
    }
};

class Walk : public ::testing::Test {
protected:
    std::vector<std::u16string> Trace(std::u16string_view root, int stopAfter = -1) {
        CScriptedProgress progress;
        CTracingWalk walk(disk, progress);
        walk.stopAfter = stopAfter;
        walk.Prepare();
        walk.Walk(root);
        return walk.trace;
    }
    CMemoryFileSystem disk;
};

TEST_F(Walk, AFoldersFilesComeFirstThenItsFoldersDepthFirstInListingOrder) {
    disk.AddFolder(u"Z:\\r\\b\\deep");
    disk.AddFile(u"Z:\\r\\b\\deep\\x", "");
    disk.AddFile(u"Z:\\r\\z", "");
    disk.AddFolder(u"Z:\\r\\a");
    disk.AddFile(u"Z:\\r\\.hidden", "", FileAttributes::kHidden | FileAttributes::kSystem);
    const std::vector<std::u16string> expected = {
        u"file Z:\\r\\z",          u"file Z:\\r\\.hidden",    u"enter Z:\\r\\b\\",
        u"enter Z:\\r\\b\\deep\\", u"file Z:\\r\\b\\deep\\x", u"leave Z:\\r\\b\\deep\\",
        u"leave Z:\\r\\b\\",       u"enter Z:\\r\\a\\",       u"leave Z:\\r\\a\\"};
    EXPECT_EQ(Trace(u"Z:\\r"), expected);
    EXPECT_EQ(Trace(u"Z:\\r\\"), expected); // a trailing backslash walks the same tree
    EXPECT_EQ(Trace(u"Z:\\r\\b\\deep"), std::vector<std::u16string>{u"file Z:\\r\\b\\deep\\x"});
    // A stop ends the walk at once; the folders being walked are still left in order.
    EXPECT_EQ(Trace(u"Z:\\r", 5), (std::vector<std::u16string>{
                                      u"file Z:\\r\\z", u"file Z:\\r\\.hidden", u"enter Z:\\r\\b\\",
                                      u"enter Z:\\r\\b\\deep\\", u"file Z:\\r\\b\\deep\\x",
                                      u"leave Z:\\r\\b\\deep\\", u"leave Z:\\r\\b\\"}));
    // A drive root is walked like any folder.
    EXPECT_EQ(Trace(u"Z:\\").front(), u"enter Z:\\r\\");
    EXPECT_TRUE(Trace(u"").empty());
    EXPECT_TRUE(Trace(u"Z:\\missing").empty());
}

TEST_F(Walk, PathsThatWouldNotFitThePathBufferArePassedOverNeverCut) {
    // Nest folders until the paths pass the 2048-unit buffer; the walk is also far deeper
    // than a recursive one could go safely.
    std::u16string folder = u"Z:\\d";
    while (folder.size() < 2040) folder += u"\\n";
    disk.AddFolder(folder);
    disk.AddFile(folder.substr(0, 2030) + u"\\fits", "");
    disk.AddFile(folder.substr(0, 2030) + u"\\" + std::u16string(40, u'x'), "");
    const auto trace = Trace(u"Z:\\d");
    size_t files = 0, longest = 0;
    for (const auto& line : trace) {
        if (line.starts_with(u"file ")) ++files;
        longest = std::max(longest, line.size() - line.find(u' ') - 1);
    }
    EXPECT_EQ(files, 1u);
    EXPECT_LE(longest + 3, CSrchDir::kPathBuffer - 1); // even "*.*" fits behind every folder
    EXPECT_GT(longest, 2030u);
}

TEST(NameKey, TheLastExtensionGoesByThePlatformsRule) {
    EXPECT_EQ(WithoutExtension(u"report.2016.doc"), u"report.2016");
    EXPECT_EQ(WithoutExtension(u"archive"), u"archive");
    EXPECT_EQ(WithoutExtension(u".hidden"), u"");
    EXPECT_EQ(WithoutExtension(u"a."), u"a");
    EXPECT_EQ(WithoutExtension(u"my.file name"), u"my.file name"); // a space ends an extension
    EXPECT_EQ(WithoutExtension(u"报告.文档"), u"报告");
}

} // namespace
