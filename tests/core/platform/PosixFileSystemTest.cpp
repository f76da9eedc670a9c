#include "core/app/SearchFixture.h"
#include "core/platform/CPosixFileSystem.h"
#include "core/results/ResultRowsOf.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Real folders under the build tree's scratch folder, searched as the window searches them.
class PosixSearch : public ::testing::Test {
protected:
    PosixSearch() : commands(window, posix) {
        const char* tmp = std::getenv("CORVANE_TEST_TMP");
        root = fs::path(tmp ? tmp : "/tmp") / ("posix-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        commands.resultGrid.SetColumnCount(2);
        commands.folderGrid.SetColumnCount(1);
        window.SelectIndex(1043, 0);
        window.CheckItem(1029, true);
    }
    ~PosixSearch() override {
        fs::permissions(root / "locked", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
        ScanPathPool().Clear();
    }
    void Write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    std::u16string Program(const fs::path& p) { return CPosixFileSystem::FromUnix(p.string()); }
    void AddSource(const fs::path& p) {
        commands.folderGrid.AppendRow();
        commands.folderGrid.SetCellText(0, commands.folderGrid.RowCount() - 1, Program(p));
    }

    std::error_code ec;
    fs::path root;
    CFakeWindow window;
    CPosixFileSystem posix;
    CMainCommands commands;
};

TEST_F(PosixSearch, RealTreesWithLinksHardLinksAndAnUnreadableFolder) {
    Write(root / "a" / "doc.txt", "same bytes");
    Write(root / "b" / "copy.txt", "same bytes");
    Write(root / "b" / "other.txt", "diff bytes");
    Write(root / "locked" / "hidden.txt", "more bytes");
    fs::create_hard_link(root / "a" / "doc.txt", root / "a" / "hard.txt");
    fs::create_directory_symlink(root, root / "a" / "loop");       // back to the root
    fs::create_symlink(root / "nowhere", root / "b" / "dangling"); // not listed at all
    fs::permissions(root / "locked", fs::perms::none);
    AddSource(root);
    commands.OnSearchDuplicates();
    ASSERT_EQ(commands.resultGrid.RowCount(), 1);
    EXPECT_EQ(commands.resultGrid.CellPath(0, 0), Program(root / "a" / "doc.txt"));
    EXPECT_EQ(commands.resultGrid.CellPath(1, 0), Program(root / "b" / "copy.txt"));
    // doc, hard, copy, other; the loop, the dangling link and the unlistable folder add nothing
    // (as root the locked folder can still be read, and adds one more).
    const std::u16string total = window.ItemText(1039);
    EXPECT_TRUE(total == u"/4" || (geteuid() == 0 && total == u"/5"))
        << std::string(total.begin(), total.end());
}

TEST_F(PosixSearch, AFileOpenWithoutSharingCannotBeOpenedAgainByAnyName) {
    Write(root / "f", "x");
    fs::create_hard_link(root / "f", root / "g");
    auto first = posix.OpenForReading(Program(root / "f"));
    ASSERT_TRUE(first);
    EXPECT_FALSE(posix.OpenForReading(Program(root / "g")));
    first.reset();
    EXPECT_TRUE(posix.OpenForReading(Program(root / "g")));
    EXPECT_FALSE(posix.OpenForReading(u"D:\\f")); // only Z: exists here
    EXPECT_EQ(posix.Identity(Program(root / "f")), posix.Identity(Program(root / "g")));
}

// Two real files whose names differ only in case are never each other's duplicate, yet each
// can be a third file's; the read-once pass lists what the pairwise pass lists.
TEST_F(PosixSearch, NamesDifferingOnlyInCaseAreListedAsThePairwisePassListsThem) {
    for (const char* name : {"a.txt", "A.TXT", "b.txt", "B.txt", "c.txt"})
        Write(root / name, "same");
    AddSource(root);
    std::vector<std::pair<std::u16string, std::u16string>> rows[2];
    for (int pairwise : {1, 0}) {
        commands.pairwiseContent = pairwise;
        commands.OnSearchDuplicates();
        for (int r = 0; r < commands.resultGrid.RowCount(); ++r)
            rows[pairwise].emplace_back(*commands.resultGrid.CellPath(0, r),
                                        *commands.resultGrid.CellPath(1, r));
    }
    EXPECT_EQ(rows[0], rows[1]);
    EXPECT_EQ(rows[0].size(), 3u);
}

std::string LastListed(const fs::path& folder) {
    std::string last;
    DIR* dir = opendir(folder.c_str());
    while (const dirent* d = readdir(dir)) last = d->d_name;
    closedir(dir);
    return last;
}

// A dangling link is not there: the folder holding only one is empty, as under Wine. A pipe
// where a file was listed is refused at once, never waited on.
TEST_F(PosixSearch, DanglingLinksAreNotThereAndPipesAreNeverWaitedOn) {
    fs::create_directories(root / "only-link");
    // As many as it takes for one to be the last entry the listing reads.
    for (int i = 0; i < 100 && LastListed(root / "only-link").starts_with('.'); ++i)
        fs::create_symlink(root / "nowhere", root / "only-link" / ("d" + std::to_string(i)));
    fs::create_directories(root / "full");
    Write(root / "full" / "f", "x");
    ASSERT_EQ(mkfifo((root / "full" / "pipe").c_str(), 0600), 0);
    AddSource(root);
    commands.OnSearchEmptyFolders();
    EXPECT_EQ(RowsOf(commands.resultGrid), (Rows{{u"(空文件夹)", Program(root / "only-link")}}));
    EXPECT_FALSE(posix.OpenForReading(Program(root / "full" / "pipe")));
}

// With few descriptors to spare, the content pass keeps fewer files open and finds the same.
TEST_F(PosixSearch, ALowDescriptorLimitGivesTheSameRows) {
    for (int i = 0; i < 300; ++i)
        Write(root / ("f" + std::to_string(i)), std::to_string(i % 97 + 100));
    AddSource(root);
    commands.OnSearchDuplicates();
    const Rows plain = RowsOf(commands.resultGrid);
    EXPECT_EQ(plain.size(), 300u - 97u);
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit low = saved;
    low.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    commands.OnSearchDuplicates();
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(RowsOf(commands.resultGrid), plain);
}

} // namespace
