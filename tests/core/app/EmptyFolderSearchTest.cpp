#include "core/app/SearchFixture.h"

#include "core/text/LocaleCompare.h"
#include "core/window/MessageStyle.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

const std::u16string kDone = u"检查完毕。\n";
const std::u16string kStopped = u"检查被终止。\n";
const std::u16string kNoneFound = u"没有发现任何空文件夹。";
const std::u16string kNoSubfolder = u"抱歉，在所选源文件夹下没有任何子文件夹。";
const std::u16string kMark = u"(空文件夹)";

using Texts = std::vector<std::u16string>;

class EmptyFolderSearch : public SearchFixture {
protected:
    Rows Search() {
        window.messages.clear();
        commands.OnSearchEmptyFolders();
        return ResultRows();
    }
    static Rows Listed(std::initializer_list<std::u16string> paths) {
        Rows rows;
        for (const auto& p : paths) rows.emplace_back(kMark, p);
        return rows;
    }
};

TEST_F(EmptyFolderSearch, AFolderIsEmptyWhenNothingButEmptyFoldersIsBelowIt) {
    disk.AddFolder(u"Z:\\s\\only\\inner");
    disk.AddFolder(u"Z:\\s\\mixed\\e");
    disk.AddFile(u"Z:\\s\\mixed\\f.txt", "1");
    disk.AddFile(u"Z:\\s\\zero\\z", "");
    disk.AddFile(u"Z:\\s\\deep\\a\\b\\c\\file.txt", "1");
    disk.AddFolder(u"Z:\\s\\deep\\a\\b\\side");
    disk.AddFile(u"Z:\\s\\hid\\h", "1", FileAttributes::kHidden | FileAttributes::kSystem);
    AddSource(u"Z:\\s");
    // Deepest first; at equal depth the later path first; the source folder never.
    EXPECT_EQ(Search(), Listed({u"Z:\\s\\deep\\a\\b\\side", u"Z:\\s\\only\\inner",
                                u"Z:\\s\\mixed\\e", u"Z:\\s\\only"}));
    EXPECT_EQ(MessageTexts(), Texts{kDone});
    EXPECT_EQ(window.messages[0].second, MessageStyle::kOk);
    EXPECT_EQ(Counter(IDC_EMPTY), u"4");
    EXPECT_EQ(Counter(IDC_EXAMINED), u"11");
    EXPECT_EQ(Counter(IDC_TOTAL), u"/11");
    EXPECT_EQ(Counter(IDC_DUPLICATES), u"0");
    EXPECT_EQ(Counter(IDC_FIND_EMPTY_FOLDERS), u"查找");
    EXPECT_EQ(Counter(IDC_STATUS), u"结束。");
    for (int r = 0; r < commands.resultGrid.RowCount(); ++r)
        EXPECT_FALSE(commands.resultGrid.IsTicked(0, r) || commands.resultGrid.IsTicked(1, r));
    for (int id : kResultButtonIds) EXPECT_TRUE(window.IsItemEnabled(id)) << id;
    EXPECT_EQ(commands.running, 0);

    disk.AddFile(u"Z:\\s\\only\\inner\\late.txt", "");
    disk.Remove(u"Z:\\s\\mixed\\e");
    disk.Remove(u"Z:\\s\\deep\\a\\b\\side");
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(MessageTexts(), Texts{kDone + kNoneFound});
    for (int id : kResultButtonIds) EXPECT_FALSE(window.IsItemEnabled(id)) << id;
}

TEST_F(EmptyFolderSearch, EqualDepthsComeInTheReverseOfThePlatformsOrder) {
    for (const char16_t* name : {u"a", u"B", u"d", u"c"})
        disk.AddFolder(u"Z:\\s\\" + std::u16string(name));
    AddSource(u"Z:\\s");
    // Without the platform: UTF-16 code units, where capitals come first.
    EXPECT_EQ(Search(), Listed({u"Z:\\s\\d", u"Z:\\s\\c", u"Z:\\s\\a", u"Z:\\s\\B"}));

    // A platform order that ignores case and puts lower case first on a tie.
    SetLocaleCompareHook([](const char16_t* a, const char16_t* b) {
        std::u16string x(a), y(b);
        for (std::u16string* s : {&x, &y})
            for (char16_t& c : *s)
                if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
        return x != y ? x.compare(y) : -std::u16string_view(a).compare(b);
    });
    const Rows rows = Search();
    SetLocaleCompareHook(nullptr);
    EXPECT_EQ(rows, Listed({u"Z:\\s\\d", u"Z:\\s\\c", u"Z:\\s\\B", u"Z:\\s\\a"}));
}

TEST_F(EmptyFolderSearch, ASourceAndItsSubfolderListItsEmptyFoldersTwiceSideBySide) {
    disk.AddFolder(u"Z:\\s\\x\\e1");
    disk.AddFolder(u"Z:\\s\\x\\e2");
    disk.AddFile(u"Z:\\s\\keep.txt", "1");
    AddSource(u"Z:\\s");
    AddSource(u"Z:\\s\\x\\");
    EXPECT_EQ(Search(), Listed({u"Z:\\s\\x\\e2", u"Z:\\s\\x\\e2", u"Z:\\s\\x\\e1", u"Z:\\s\\x\\e1",
                                u"Z:\\s\\x"}));
    EXPECT_EQ(Counter(IDC_TOTAL), u"/5");
}

TEST_F(EmptyFolderSearch, WhatTheSearchSaysWhenItCannotRun) {
    commands.OnSearchEmptyFolders();
    EXPECT_EQ(MessageTexts(), Texts{u"请指定一个有效的源文件夹。"});
    EXPECT_EQ(window.log.back(), u"focus 1003");
    EXPECT_EQ(commands.running, 0);

    disk.AddFile(u"Z:\\flat\\f.txt", "1");
    AddSource(u"Z:\\flat");
    AddSource(u"Z:\\missing");
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(MessageTexts(), Texts{kNoSubfolder}); // and no summary after it
    EXPECT_EQ(Counter(IDC_FIND_EMPTY_FOLDERS), u"查找");

    disk.AddFolder(u"Z:\\flat\\sub");
    commands.fileTable.limit = 0; // the table cannot be had
    EXPECT_EQ(Search(), Rows{});
    EXPECT_EQ(MessageTexts(), (Texts{u"内存不足。", kDone + kNoneFound}));
}

// The folders the search never saw inside, and those above them, are not empty: recycling
// them would recycle whatever they hold.
TEST_F(EmptyFolderSearch, FoldersNobodyLookedIntoAreNotEmpty) {
    disk.AddFolder(u"Z:\\s\\up\\locked\\inner");
    disk.Find(u"Z:\\s\\up\\locked")->unlistable = true;
    disk.AddFolder(u"Z:\\s\\gone\\inner");
    disk.AddFolder(u"Z:\\s\\fine");
    // A listing that breaks off part-way has not shown everything in the folder.
    disk.AddFolder(u"Z:\\s\\broken\\inner");
    disk.Find(u"Z:\\s\\broken")->failListingAfter = 2;
    // Deep enough that the folder at the bottom cannot be listed within the path buffer.
    std::u16string deep = u"Z:\\s\\long";
    while (deep.size() < 2040) deep += u"\\" + std::u16string(200, u'x');
    disk.AddFolder(deep);
    AddSource(u"Z:\\s");
    int listings = 0;
    disk.onList = [&](std::u16string_view folder) {
        // Removed after the walk, just before the search looks inside it.
        if (folder == u"Z:\\s\\gone\\inner\\" && ++listings == 2)
            disk.Remove(u"Z:\\s\\gone\\inner");
    };
    // A folder that vanished is no row; the one that held it is empty now.
    EXPECT_EQ(Search(), Listed({u"Z:\\s\\gone", u"Z:\\s\\fine"}));
    EXPECT_EQ(listings, 2);
    for (const Row& row : ResultRows()) EXPECT_LT(row.second.size(), 2048u);
}

// A folder whose name no path can reach (under Wine `x.` lists `x`) is never looked into nor
// listed, and the folder that holds it is not empty: what it holds was never shown.
TEST_F(EmptyFolderSearch, ANameNoPathCanReachKeepsItsFolderFromBeingEmpty) {
    disk.AddFolder(u"Z:\\s\\d\\x");
    disk.AddAlias(u"Z:\\s\\d\\x.", disk.Find(u"Z:\\s\\d\\x"));
    disk.AddFolder(u"Z:\\s\\e\\y");
    disk.AddFile(u"Z:\\s\\e\\nul.txt", "");
    disk.AddFolder(u"Z:\\s\\f\\con");
    AddSource(u"Z:\\s");
    EXPECT_EQ(Search(), Listed({u"Z:\\s\\e\\y", u"Z:\\s\\d\\x"}));
    EXPECT_EQ(Counter(IDC_TOTAL), u"/5");
}

// The two walks list every folder once between them and the table holds the tree as counted;
// whether a folder is empty is asked of the tree as it is when the search looks.
TEST_F(EmptyFolderSearch, TheWalksListOnceAndTheEmptinessTestLooksAfresh) {
    disk.AddFolder(u"Z:\\s\\a");
    disk.AddFolder(u"Z:\\s\\b");
    bool counted = false;
    disk.onList = [&](std::u16string_view folder) { counted = folder == u"Z:\\s\\b\\"; };
    window.onPump = [&](int) {
        if (!std::exchange(counted, false)) return;
        disk.AddFolder(u"Z:\\s\\c");
        disk.Remove(u"Z:\\s\\b");
    };
    AddSource(u"Z:\\s");
    // b is in the table but gone, so no row; c is not in the table, so s is not empty.
    EXPECT_EQ(Search(), Listed({u"Z:\\s\\a"}));
    EXPECT_EQ(commands.fileTable.fileCount, 2u);
    EXPECT_EQ(disk.listings, 5); // s, a and b by the walks; a and b by the emptiness test
}

// Stop pressed at any poll of any phase: the run ends there, keeps a prefix of the rows of a
// full run, says it was stopped (or nothing, when nothing had been counted) and leaves the
// busy state.
TEST_F(EmptyFolderSearch, StopAtEveryPollKeepsAPrefixOfTheRows) {
    disk.AddFolder(u"Z:\\none");
    disk.AddFolder(u"Z:\\s\\a\\b");
    disk.AddFolder(u"Z:\\s\\c");
    disk.AddFile(u"Z:\\s\\d\\f", "1");
    AddSource(u"Z:\\none");
    AddSource(u"Z:\\s");
    const Rows full = Search();
    ASSERT_EQ(full, Listed({u"Z:\\s\\a\\b", u"Z:\\s\\c", u"Z:\\s\\a"}));
    const int pumps = window.pumps; // the last one comes after the summary, when idle again
    for (int stopAt = 2; stopAt < pumps; ++stopAt) {
        window.pumps = 0;
        window.onPump = [&](int pump) {
            if (pump == stopAt) commands.OnSearchEmptyFolders(); // the nested press of Stop
        };
        const Rows rows = Search();
        window.onPump = nullptr;
        ASSERT_LE(rows.size(), full.size()) << stopAt;
        EXPECT_TRUE(std::equal(rows.begin(), rows.end(), full.begin())) << stopAt;
        // Stopped after the first, empty, source folder: nothing counted, no summary.
        const Texts expected = commands.fileTable.fileCount == 0
                                   ? Texts{}
                                   : Texts{kStopped + (rows.empty() ? kNoneFound : u"")};
        EXPECT_EQ(MessageTexts(), expected) << stopAt;
        EXPECT_EQ(commands.running, 0) << stopAt;
        EXPECT_EQ(commands.stopRequested, 0) << stopAt;
        EXPECT_EQ(Counter(IDC_FIND_EMPTY_FOLDERS), u"查找") << stopAt;
        EXPECT_EQ(Counter(IDC_STATUS), u"结束。") << stopAt;
    }
}

} // namespace
