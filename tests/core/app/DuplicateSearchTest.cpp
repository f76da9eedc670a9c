#include "core/app/SearchFixture.h"

#include "core/window/MessageStyle.h"

#include <string>
#include <utility>

namespace {

const std::u16string kDone = u"检查完毕。\n";
const std::u16string kStopped = u"检查已被终止。\n";
const std::u16string kNoneFound = u"未发现重复文件。";
const std::u16string kEmpty = u"(空文件)";

std::string Block(char fill, size_t n) { return std::string(n, fill); }

class DuplicateSearch : public SearchFixture {};

TEST_F(DuplicateSearch, ContentGroupsFollowTheAnchorInTableOrder) {
    // F1 = F3 and F2 = F4, all of one size; a triple of another size; a lone file.
    disk.AddFile(u"Z:\\s\\f1", "AAAA");
    disk.AddFile(u"Z:\\s\\f2", "BBBB");
    disk.AddFile(u"Z:\\s\\f3", "AAAA");
    disk.AddFile(u"Z:\\s\\f4", "BBBB");
    disk.AddFile(u"Z:\\s\\t\\x10", "xyz");
    disk.AddFile(u"Z:\\s\\t\\x2", "xyz");
    disk.AddFile(u"Z:\\s\\t\\x1", "xyz");
    disk.AddFile(u"Z:\\s\\lone", "12345");
    AddSource(u"Z:\\s");
    const Rows expected = {{u"Z:\\s\\f1", u"Z:\\s\\f3"},
                           {u"Z:\\s\\f2", u"Z:\\s\\f4"},
                           {u"Z:\\s\\t\\x1", u"Z:\\s\\t\\x2"},
                           {u"Z:\\s\\t\\x1", u"Z:\\s\\t\\x10"}};
    EXPECT_EQ(Search(), expected);
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kDone});
    EXPECT_EQ(Counter(IDC_DUPLICATES), u"4");
    EXPECT_EQ(Counter(IDC_EXAMINED), u"7"); // the position of the last record looked at
    EXPECT_EQ(Counter(IDC_TOTAL), u"/8");
    EXPECT_EQ(Counter(IDC_EMPTY), u"0");
    EXPECT_EQ(Counter(IDC_FIND_DUPLICATES), u"2. 查找重复文件");
    EXPECT_EQ(Counter(IDC_STATUS), u"结束。");
    EXPECT_EQ(commands.running, 0);
    EXPECT_TRUE(window.IsItemEnabled(IDC_EXPORT));
}

TEST_F(DuplicateSearch, TheEarlierSourceFolderIsOnTheLeftWhateverThePaths) {
    disk.AddFile(u"Z:\\b\\copy", "same");
    disk.AddFile(u"Z:\\a\\orig", "same");
    AddSource(u"Z:\\b\\");
    AddSource(u"Z:\\a");
    EXPECT_EQ(Search(), (Rows{{u"Z:\\b\\copy", u"Z:\\a\\orig"}}));
}

TEST_F(DuplicateSearch, ADifferenceInTheLastByteOfABlockOrOfTheFileKeepsFilesApart) {
    std::string base = Block('a', 65536 * 2 + 7);
    std::string blockEdge = base, fileEnd = base;
    blockEdge[65535] = 'b';
    fileEnd.back() = 'c';
    disk.AddFile(u"Z:\\s\\1", base);
    disk.AddFile(u"Z:\\s\\2", blockEdge);
    disk.AddFile(u"Z:\\s\\3", fileEnd);
    disk.AddFile(u"Z:\\s\\4", base);
    AddSource(u"Z:\\s");
    EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\1", u"Z:\\s\\4"}}));
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kDone});
}

TEST_F(DuplicateSearch, FilesThatCannotBeReadWholeAreNeverDuplicates) {
    const std::string text = Block('q', 70000);
    disk.AddFile(u"Z:\\s\\a", text);
    disk.AddFile(u"Z:\\s\\held", text)->lockedElsewhere = true;
    disk.AddFile(u"Z:\\s\\failing", text)->readErrorAt = 65536;
    auto grown = disk.AddFile(u"Z:\\s\\grown", text + "!");
    grown->reportedSize = text.size(); // it grew after the listing
    disk.AddFile(u"Z:\\s\\b", text);
    AddSource(u"Z:\\s");
    EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\a", u"Z:\\s\\b"}}));
}

TEST_F(DuplicateSearch, EmptyFilesAreListedLastAndNeverCompared) {
    disk.AddFile(u"Z:\\s\\e2", "");
    disk.AddFile(u"Z:\\s\\e1", "");
    disk.AddFile(u"Z:\\s\\x", "1");
    AddSource(u"Z:\\s");
    EXPECT_EQ(Search(), (Rows{{kEmpty, u"Z:\\s\\e1"}, {kEmpty, u"Z:\\s\\e2"}}));
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kDone + kNoneFound});
    EXPECT_EQ(Counter(IDC_EMPTY), u"2");
    EXPECT_EQ(Counter(IDC_EXAMINED), u"1"); // the first empty file ends the comparisons
    EXPECT_TRUE(disk.opened.empty());

    Settings(0, false);
    EXPECT_EQ(Search(), Rows{});
    EXPECT_FALSE(window.IsItemEnabled(IDC_DELETE_FILES));
}

TEST_F(DuplicateSearch, ByNameTheRightHandEmptyFileIsNotListedAgain) {
    disk.AddFile(u"Z:\\a\\same.txt", "");
    disk.AddFile(u"Z:\\b\\same.txt", "");
    AddSource(u"Z:\\a");
    AddSource(u"Z:\\b");
    Settings(1, true);
    EXPECT_EQ(Search(),
              (Rows{{u"Z:\\a\\same.txt", u"Z:\\b\\same.txt"}, {kEmpty, u"Z:\\a\\same.txt"}}));
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kDone});
}

TEST_F(DuplicateSearch, NameKeysWithAndWithoutTheExtension) {
    disk.AddFile(u"Z:\\a\\readme.txt", "1");
    disk.AddFile(u"Z:\\a\\report.2016.doc", "1");
    disk.AddFile(u"Z:\\a\\archive", "1");
    disk.AddFile(u"Z:\\b\\readme.md", "22");
    disk.AddFile(u"Z:\\b\\readme.txt", "333");
    disk.AddFile(u"Z:\\b\\report.2016.xls", "1");
    disk.AddFile(u"Z:\\b\\report.doc", "1");
    disk.AddFile(u"Z:\\b\\archive.zip", "1");
    AddSource(u"Z:\\a");
    AddSource(u"Z:\\b");
    Settings(1, false);
    EXPECT_EQ(Search(), (Rows{{u"Z:\\a\\readme.txt", u"Z:\\b\\readme.txt"}}));
    Settings(2, false);
    EXPECT_EQ(Search(), (Rows{{u"Z:\\a\\archive", u"Z:\\b\\archive.zip"},
                              {u"Z:\\a\\readme.txt", u"Z:\\b\\readme.md"},
                              {u"Z:\\a\\readme.txt", u"Z:\\b\\readme.txt"},
                              {u"Z:\\a\\report.2016.doc", u"Z:\\b\\report.2016.xls"}}));
    EXPECT_TRUE(disk.opened.empty()); // names only: no file is read
}

TEST_F(DuplicateSearch, OneFileIsNeverItsOwnDuplicateHoweverItWasReached) {
    auto file = disk.AddFile(u"Z:\\t\\a\\doc.txt", "content");
    disk.AddName(u"Z:\\t\\hard.txt", file);                     // a hard link
    disk.AddName(u"Z:\\t\\link", disk.Find(u"Z:\\t\\a"), true); // a folder link
    disk.AddFile(u"Z:\\t\\other\\doc.txt", "content");          // a real copy
    AddSource(u"Z:\\t");
    AddSource(u"Z:\\T\\A"); // overlapping, and a case variant
    for (int criterion : {0, 1, 2}) {
        Settings(criterion, true);
        const Rows rows = Search();
        ASSERT_EQ(rows.size(), 1u) << criterion;
        // The copy is the only duplicate; the one file stands once, on the left.
        EXPECT_EQ(rows[0].second, u"Z:\\t\\other\\doc.txt") << criterion;
    }
}

TEST_F(DuplicateSearch, ALinkBackUpTheTreeIsNotFollowed) {
    disk.AddFile(u"Z:\\r\\a.txt", "x");
    disk.AddFile(u"Z:\\r\\sub\\b.txt", "x");
    disk.AddName(u"Z:\\r\\sub\\up", disk.Find(u"Z:\\r"), true);
    disk.AddName(u"Z:\\r\\sub\\self", disk.Find(u"Z:\\r\\sub"), true);
    AddSource(u"Z:\\r");
    EXPECT_EQ(Search(), (Rows{{u"Z:\\r\\a.txt", u"Z:\\r\\sub\\b.txt"}}));
    EXPECT_EQ(Counter(IDC_TOTAL), u"/2");
}

TEST_F(DuplicateSearch, TwoRowsNamingOneFolderRecordItTwiceButListNothing) {
    disk.AddFile(u"Z:\\s\\a", "1");
    disk.AddFile(u"Z:\\s\\b", "");
    AddSource(u"Z:\\s");
    AddSource(u"Z:\\s\\");
    EXPECT_EQ(Search(), (Rows{{kEmpty, u"Z:\\s\\b"}}));
    EXPECT_EQ(Counter(IDC_TOTAL), u"/4");
}

TEST_F(DuplicateSearch, WhatTheSearchSaysWhenItCannotRun) {
    commands.OnSearchDuplicates();
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{u"请先指定一个有效的源文件夹。"});
    EXPECT_EQ(window.log.back(), u"focus 1003");
    EXPECT_EQ(commands.running, 0);

    disk.AddFolder(u"Z:\\empty\\inner");
    AddSource(u"Z:\\empty");
    AddSource(u"Z:\\missing");
    EXPECT_EQ(Search(), Rows{});
    // The no-files message, and no summary after it.
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{u"抱歉，在所选源文件夹下没有文件。"});
    EXPECT_EQ(window.messages[0].second, MessageStyle::kOk);

    disk.AddFile(u"Z:\\empty\\f", "1");
    commands.fileTable.limit = 0; // the table cannot be had
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"内存不足。", kDone + kNoneFound}));
}

// The counting walk keeps its listings for the filling walk: every folder is listed once, and
// the table holds the tree as it was counted.
TEST_F(DuplicateSearch, EachFolderIsListedOnceAndTheTableHoldsTheTreeAsCounted) {
    disk.AddFile(u"Z:\\s\\a", "1");
    disk.AddFile(u"Z:\\s\\b", "1");
    disk.AddFile(u"Z:\\s\\gone", "");
    disk.AddFile(u"Z:\\s\\d\\d1", "1");
    bool counted = false;
    disk.onList = [&](std::u16string_view folder) { counted = folder == u"Z:\\s\\d\\"; };
    window.onPump = [&](int) {
        if (!std::exchange(counted, false)) return;
        disk.Remove(u"Z:\\s\\gone");
        disk.AddFile(u"Z:\\s\\new", "1");
    };
    AddSource(u"Z:\\s");
    EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\a", u"Z:\\s\\b"},
                              {u"Z:\\s\\a", u"Z:\\s\\d\\d1"},
                              {kEmpty, u"Z:\\s\\gone"}}));
    EXPECT_EQ(disk.listings, 2);
}

// When a link answers differently the second time, the filling walk goes another way than the
// counting walk: from there on it lists the tree as it is now, and still never records more
// files than were counted.
TEST_F(DuplicateSearch, ASecondWalkThatGoesAnotherWayListsAfreshWithinTheCountedTable) {
    disk.AddFile(u"Z:\\s\\a", "1");
    disk.AddFile(u"Z:\\s\\b", "1");
    disk.AddName(u"Z:\\s\\l", disk.Find(u"Z:\\s"), true); // back up: not walked
    disk.AddFile(u"Z:\\s\\d\\d1", "1");
    disk.AddFile(u"Z:\\t\\t1", "1");
    bool counted = false;
    disk.onList = [&](std::u16string_view folder) { counted = folder == u"Z:\\s\\d\\"; };
    window.onPump = [&](int) {
        if (!std::exchange(counted, false)) return;
        disk.Remove(u"Z:\\s\\l");
        disk.AddName(u"Z:\\s\\l", disk.Find(u"Z:\\t"), true);
        disk.AddFile(u"Z:\\s\\d\\d2", "1");
    };
    AddSource(u"Z:\\s");
    // Three counted: a, b and d1. The filling walk enters the link first and fills the last
    // record with t1; d is listed afresh and its files find the table full.
    EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\a", u"Z:\\s\\b"}, {u"Z:\\s\\a", u"Z:\\s\\l\\t1"}}));
    EXPECT_EQ(commands.fileTable.fileCount, 3u);
    EXPECT_EQ(disk.listings, 4);
}

TEST_F(DuplicateSearch, FoldersDroppedDuringARunWaitForTheNextRun) {
    disk.AddFile(u"Z:\\s\\a", "1");
    disk.AddFile(u"Z:\\late\\b", "1");
    AddSource(u"Z:\\s");
    window.onPump = [&](int pump) {
        if (pump == 2) AddSource(u"Z:\\late"); // dropped while the first folder is counted
    };
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(Counter(IDC_TOTAL), u"/1");
    window.onPump = nullptr;
    EXPECT_EQ(Search(), (Rows{{u"Z:\\s\\a", u"Z:\\late\\b"}}));
}

TEST_F(DuplicateSearch, AFailureInsideTheSearchStillEndsTheBusyState) {
    disk.AddFile(u"Z:\\s\\a", "1");
    disk.AddFolder(u"Z:\\bad")->throwOnList = true;
    AddSource(u"Z:\\s");
    AddSource(u"Z:\\bad"); // the first folder is counted, then the count fails
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{u"内存不足。", kStopped + kNoneFound}));
    EXPECT_EQ(commands.running, 0);
    EXPECT_TRUE(commands.CanClose());
    EXPECT_TRUE(window.IsItemEnabled(IDC_ADD_FOLDER));
    EXPECT_EQ(Counter(IDC_FIND_DUPLICATES), u"2. 查找重复文件");
}

// Stop pressed at any poll of any phase: the run ends there, keeps a prefix of the rows of a
// full run, says it was stopped (or nothing, when nothing had been counted) and leaves the
// busy state.
TEST_F(DuplicateSearch, StopAtEveryPollKeepsAPrefixOfTheRows) {
    const std::string big = Block('z', 65536 * 3);
    disk.AddFile(u"Z:\\s\\big1", big);
    disk.AddFile(u"Z:\\s\\big2", big);
    disk.AddFile(u"Z:\\s\\d\\x1", "xx");
    disk.AddFile(u"Z:\\s\\d\\x2", "xx");
    disk.AddFile(u"Z:\\s\\d\\e", "");
    AddSource(u"Z:\\s");
    const Rows full = Search();
    ASSERT_EQ(full.size(), 3u);
    const int pumps = window.pumps; // the last one comes after the summary, when idle again
    for (int stopAt = 2; stopAt < pumps; ++stopAt) {
        window.pumps = 0;
        window.onPump = [&](int pump) {
            if (pump == stopAt) commands.OnSearchDuplicates(); // the nested press of Stop
        };
        const Rows rows = Search();
        window.onPump = nullptr;
        ASSERT_LE(rows.size(), full.size()) << stopAt;
        EXPECT_TRUE(std::equal(rows.begin(), rows.end(), full.begin())) << stopAt;
        const std::u16string expected = kStopped + (rows.empty() ? kNoneFound : u"");
        EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{expected}) << stopAt;
        EXPECT_EQ(commands.running, 0) << stopAt;
        EXPECT_EQ(commands.stopRequested, 0) << stopAt;
        EXPECT_EQ(Counter(IDC_FIND_DUPLICATES), u"2. 查找重复文件") << stopAt;
    }
}

TEST_F(DuplicateSearch, AStopBeforeAnythingWasCountedEndsWithoutASummary) {
    disk.AddFolder(u"Z:\\nothing");
    disk.AddFile(u"Z:\\s\\a", "1");
    AddSource(u"Z:\\nothing");
    AddSource(u"Z:\\s");
    window.onPump = [&](int pump) {
        if (pump == 2) commands.OnSearchDuplicates(); // after the first, empty, folder
    };
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{});
    EXPECT_EQ(commands.running, 0);
}

} // namespace
