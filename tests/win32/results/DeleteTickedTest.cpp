#include "core/results/DeleteTicked.h"
#include "core/results/ResultRows.h"
#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/app/ModalRun.h"
#include "win32/app/PressSearch.h"
#include "win32/platform/WinString.h"
#include "win32/results/CBoxAnswerer.h"
#include "win32/results/WineFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using Tree = std::map<std::wstring, std::string>;

// Real folders in the build tree's scratch folder, and the recycle bin of the tests' own home
// (the Wine runner gives tests a home and XDG folders of their own). Every case compares the
// whole tree before and after, and clears what it put into the bin.
class DeleteTickedWine : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string tmp = EnvironmentValue("CORVANE_TEST_TMP");
        const std::string data = EnvironmentValue("XDG_DATA_HOME");
        const std::string build = tmp.substr(0, tmp.rfind('/') + 1);
        // Never the real recycle bin: only a data folder inside the build tree will do.
        if (tmp.empty() || data.rfind(build, 0) != 0 || build.size() < 2)
            GTEST_SKIP() << "no scratch folder and test home of the build's own";
        unix = tmp + "/delete-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        trash = data + "/Trash";
        ASSERT_EQ(RunUnix("rm -rf " + unix + " && mkdir -p " + unix + " " + trash + "/files " +
                              trash + "/info",
                          tmp),
                  0);
        root = DosPath(unix);
    }
    void TearDown() override {
        if (unix.empty()) return;
        std::string command = "umount " + unix + "/mnt 2>/dev/null; rm -rf " + unix;
        for (const std::string& name : trashed)
            command +=
                " " + trash + "/files/" + name + " " + trash + "/info/" + name + ".trashinfo";
        RunUnix(command, EnvironmentValue("CORVANE_TEST_TMP"));
    }

    int Shell(const std::string& command) { return RunUnix("cd " + unix + " && " + command, unix); }
    std::u16string Path(const std::wstring& relative) const { return U16(root + relative); }

    // Fills the result list with (left, right, tick right) rows as a search that found them
    // now would, presses `button` and answers the boxes that come up; returns the command the
    // closing Yes posted, or 0.
    int Delete(CMainDialog& d, const std::vector<std::pair<std::u16string, std::u16string>>& rows,
               int button, std::vector<int> answers) {
        CListGrid& grid = d.Commands().resultGrid;
        for (const auto& [left, right] : rows) {
            d.Commands().AppendFoundRow(left, right);
            grid.SetTicked(1, grid.RowCount() - 1, right != u"-");
        }
        for (int id : kResultButtonIds) d.EnableItem(id, true);
        return Press(d, button, std::move(answers));
    }
    // Searches the test's folder by `criterion` with the search of `search`, ticks the right
    // column, runs `change` on disk, then deletes with `button`, answering Yes and then No.
    void SearchChangeDelete(int search, int criterion, int rows, const std::string& change,
                            int button) {
        CMainDialog d;
        RunModal(d, [&] {
            SendDlgItemMessageW(d.Handle(), IDC_CRITERION, CB_SETCURSEL, criterion, 0);
            PressSearch(d, U16(root), search);
            EXPECT_EQ(d.Commands().resultGrid.RowCount(), rows);
            SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TICK_RIGHT, BN_CLICKED), 0);
            EXPECT_EQ(Shell(change), 0);
            Press(d, button, {IDYES, IDNO});
            PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
        });
    }
    int Press(CMainDialog& d, int button, std::vector<int> answers) {
        int posted = 0;
        {
            CBoxAnswerer answerer(d.Handle(), std::move(answers));
            SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(d.Item(button)));
            boxes = answerer.Boxes();
        }
        MSG msg;
        if (PeekMessageW(&msg, d.Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
            posted = static_cast<int>(msg.wParam);
        return posted;
    }
    std::wstring Texts() const {
        std::wstring all;
        for (const auto& box : boxes) all += box.caption + L"|" + box.text + L"\n";
        return all;
    }
    void ExpectOnlyCorvaneBoxes(const std::wstring& closing) {
        ASSERT_EQ(boxes.size(), 2u) << Texts();
        EXPECT_EQ(boxes[0].text, W(std::u16string(kConfirmDeleteMessage)));
        EXPECT_EQ(boxes[1].text, closing);
        for (const auto& box : boxes) EXPECT_EQ(box.caption, L"Corvane");
    }
    // The bin holds `name` with the original's bytes and a .trashinfo naming where it was.
    void ExpectInTrash(const std::string& name, const std::string& original,
                       const std::string& bytes) {
        trashed.push_back(name);
        EXPECT_EQ(ReadWholeFile(DosPath(trash + "/files/" + name)), bytes) << name;
        const std::string info = ReadWholeFile(DosPath(trash + "/info/" + name + ".trashinfo"));
        EXPECT_NE(info.find("Path=" + unix + "/" + original + "\n"), std::string::npos) << info;
    }

    std::string unix, trash;
    std::wstring root;
    std::vector<std::string> trashed;
    std::vector<CBoxAnswerer::Box> boxes;
};

TEST_F(DeleteTickedWine, TickedItemsGoToTheBinAndNothingElseIsTouched) {
    ASSERT_EQ(Shell("mkdir -p dupes/sub hollow keep/empty && printf same > dupes/a.txt && "
                    "printf same > dupes/b1.txt && printf same > dupes/sub/b2.txt && "
                    "printf same > dupes/kept.txt && printf other > keep/x.txt"),
              0);
    const Tree before = Snapshot(root);
    Tree expected = before;
    for (auto p : {L"\\dupes\\b1.txt", L"\\dupes\\sub\\b2.txt", L"\\hollow"}) expected.erase(p);
    CMainDialog d;
    RunModal(d, [&] {
        const int posted = Delete(d,
                                  {{Path(L"\\dupes\\a.txt"), Path(L"\\dupes\\b1.txt")},
                                   {Path(L"\\dupes\\a.txt"), Path(L"\\dupes\\sub\\b2.txt")},
                                   {u"(空文件夹)", Path(L"\\hollow")},
                                   {Path(L"\\dupes\\a.txt"), u"-"}},
                                  IDC_DELETE_FILES, {IDYES, IDNO});
        EXPECT_EQ(posted, 0);
        ExpectOnlyCorvaneBoxes(W(std::u16string(kDeletedMessage)));
        EXPECT_EQ(d.Commands().resultGrid.RowCount(), 0);
        for (int id : kResultButtonIds) EXPECT_FALSE(d.IsItemEnabled(id)) << id;
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(Snapshot(root), expected);
    ExpectInTrash("b1.txt", "dupes/b1.txt", "same");
    ExpectInTrash("b2.txt", "dupes/sub/b2.txt", "same");
    ExpectInTrash("hollow", "hollow", "<missing>"); // a folder has no bytes to read
    // Moved back from the bin, everything is as it was.
    ASSERT_EQ(RunUnix("cd " + trash + "/files && mv b1.txt " + unix + "/dupes/ && mv b2.txt " +
                          unix + "/dupes/sub/ && mv hollow " + unix + "/",
                      unix),
              0);
    EXPECT_EQ(Snapshot(root), before);
}

// Whatever happens on disk between the search and the delete, only what is still exactly what
// the search found goes to the bin, and the closing question says how many stayed and why.
TEST_F(DeleteTickedWine, WhatChangedSinceTheSearchStaysWhereItIs) {
    ASSERT_EQ(Shell("mkdir -p a b && printf one > a/f1 && printf twotwo > a/f2 && "
                    "printf three3333 > a/f3 && printf fourfourfour > a/f4 && cp a/* b/"),
              0);
    // The kept copy saved again (same length) or removed, the ticked copy saved again.
    SearchChangeDelete(IDC_FIND_DUPLICATES, 0, 4,
                       "printf ONE > a/f1 && rm a/f2 && printf THREE3333 > b/f3", IDC_DELETE_FILES);
    ExpectOnlyCorvaneBoxes(W(DeletedMessage(3, 3)));
    ExpectInTrash("f4", "b/f4", "fourfourfour");
    EXPECT_EQ(Snapshot(root), (Tree{{L"\\a", "<dir>"},
                                    {L"\\a\\f1", "ONE"},
                                    {L"\\a\\f3", "three3333"},
                                    {L"\\a\\f4", "fourfourfour"},
                                    {L"\\b", "<dir>"},
                                    {L"\\b\\f1", "one"},
                                    {L"\\b\\f2", "twotwo"},
                                    {L"\\b\\f3", "THREE3333"}}));
}

// Rows by name and empty files take what their files were from the listing and the name, not
// from an open; the delete's open must find the same of an untouched file.
TEST_F(DeleteTickedWine, RowsByNameAndEmptyFilesGoWhenUntouched) {
    ASSERT_EQ(Shell("mkdir -p x y && printf one > x/r.txt && printf two > y/r.txt && "
                    "printf three > y/s.txt && printf four > x/s.txt && : > e && : > f"),
              0);
    SearchChangeDelete(IDC_FIND_DUPLICATES, 1, 4, "printf edited > y/s.txt && printf x > f",
                       IDC_DELETE_FILES);
    ExpectOnlyCorvaneBoxes(W(DeletedMessage(2, 2)));
    ExpectInTrash("r.txt", "y/r.txt", "two");
    ExpectInTrash("e", "e", "");
    EXPECT_EQ(Snapshot(root), (Tree{{L"\\f", "x"},
                                    {L"\\x", "<dir>"},
                                    {L"\\x\\r.txt", "one"},
                                    {L"\\x\\s.txt", "four"},
                                    {L"\\y", "<dir>"},
                                    {L"\\y\\s.txt", "edited"}}));
}

TEST_F(DeleteTickedWine, AFolderSomethingWasSavedIntoSinceTheSearchStays) {
    ASSERT_EQ(Shell("mkdir -p e1 e2 && printf keep > k"), 0);
    SearchChangeDelete(IDC_FIND_EMPTY_FOLDERS, 0, 2, "printf new > e1/saved.txt",
                       IDC_DELETE_FOLDERS);
    ExpectOnlyCorvaneBoxes(W(DeletedMessage(1, 1)));
    ExpectInTrash("e2", "e2", "<missing>");
    EXPECT_EQ(Snapshot(root),
              (Tree{{L"\\e1", "<dir>"}, {L"\\e1\\saved.txt", "new"}, {L"\\k", "keep"}}));
}

TEST_F(DeleteTickedWine, EveryCopyTickedIsSaidFirstAndNoKeepsEverything) {
    ASSERT_EQ(Shell("printf same > a && printf same > b"), 0);
    const Tree before = Snapshot(root);
    CMainDialog d;
    RunModal(d, [&] {
        PressSearch(d, U16(root));
        CListGrid& grid = d.Commands().resultGrid;
        EXPECT_EQ(grid.RowCount(), 1);
        grid.SetTicked(0, 0, true);
        grid.SetTicked(1, 0, true);
        Press(d, IDC_DELETE_FILES, {IDNO});
        EXPECT_EQ(grid.RowCount(), 1);
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    ASSERT_EQ(boxes.size(), 1u) << Texts();
    EXPECT_EQ(boxes[0].text, W(ConfirmDeleteMessage(1)));
    EXPECT_EQ(Snapshot(root), before);
}

TEST_F(DeleteTickedWine, YesRepeatsTheSearchOfTheButtonPressed) {
    ASSERT_EQ(Shell("mkdir -p hollow && printf 1 > a.txt && printf 1 > b.txt"), 0);
    CMainDialog d;
    RunModal(d, [&] {
        // Either button deletes files and folders alike; only the search offered differs.
        EXPECT_EQ(Delete(d, {{u"(空文件夹)", Path(L"\\hollow")}}, IDC_DELETE_FILES, {IDYES, IDYES}),
                  IDC_FIND_DUPLICATES);
        d.Commands().ClearResults();
        EXPECT_EQ(
            Delete(d, {{Path(L"\\a.txt"), Path(L"\\b.txt")}}, IDC_DELETE_FOLDERS, {IDYES, IDYES}),
            IDC_FIND_EMPTY_FOLDERS);
        EXPECT_EQ(d.Commands().resultGrid.RowCount(), 1); // left for the repeated search
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    trashed = {"hollow", "b.txt"};
    EXPECT_EQ(Snapshot(root), (Tree{{L"\\a.txt", "1"}}));
}

TEST_F(DeleteTickedWine, AFolderOnAnotherFileSystemIsNotDestroyed) {
    if (Shell("mkdir -p mnt && mount -t tmpfs -o size=1m tmpfs mnt") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root or a user namespace)";
    ASSERT_EQ(Shell("mkdir -p mnt/photos"), 0);
    const Tree before = Snapshot(root);
    CMainDialog d;
    RunModal(d, [&] {
        // The shell cannot recycle across file systems: it asks, and No keeps the folder.
        Delete(d, {{u"(空文件夹)", Path(L"\\mnt\\photos")}}, IDC_DELETE_FOLDERS,
               {IDYES, IDNO, IDNO});
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(Snapshot(root), before);
    ASSERT_EQ(boxes.size(), 3u) << Texts();
    EXPECT_NE(boxes[1].caption, L"Corvane"); // the shell's own warning
    EXPECT_EQ(boxes[2].text, L"有 1 项未能删除，仍在原处。\n删除完毕。\n还想再查一遍吗？");
}

TEST_F(DeleteTickedWine, ABinThatCannotBeWrittenDestroysNothing) {
    ASSERT_EQ(Shell("printf precious > a.txt && printf precious > b.txt"), 0);
    // A file where the bin's folder should be: nothing can be moved into it.
    ASSERT_EQ(
        RunUnix("mv " + trash + "/files " + trash + "/files.away && touch " + trash + "/files",
                unix),
        0);
    const Tree before = Snapshot(root);
    CMainDialog d;
    RunModal(d, [&] {
        Delete(d, {{Path(L"\\b.txt"), Path(L"\\a.txt")}}, IDC_DELETE_FILES, {IDYES, IDNO, IDNO});
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(
        RunUnix("rm " + trash + "/files && mv " + trash + "/files.away " + trash + "/files", unix),
        0);
    EXPECT_EQ(Snapshot(root), before);
    ASSERT_EQ(boxes.size(), 3u) << Texts();
    EXPECT_NE(boxes[1].caption, L"Corvane");
    EXPECT_EQ(boxes[2].text, L"有 1 项未能删除，仍在原处。\n删除完毕。\n还想再查一遍吗？");
}

TEST_F(DeleteTickedWine, ADirectoryLinkIsNotFollowed) {
    ASSERT_EQ(Shell("mkdir -p real/sub && printf mine > real/sub/f.txt && ln -s real link"), 0);
    const Tree before = Snapshot(root);
    ASSERT_EQ(before.at(L"\\link"), "<link>");
    CMainDialog d;
    RunModal(d, [&] {
        Delete(d, {{u"(空文件夹)", Path(L"\\link")}}, IDC_DELETE_FOLDERS, {IDYES, IDNO});
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    // What the link leads to is no empty folder: it stays, as one that changed since.
    ExpectOnlyCorvaneBoxes(W(DeletedMessage(1, 1)));
    EXPECT_EQ(Snapshot(root), before);
}

} // namespace

namespace {

// Not a check: shows the main window deleting ticked rows, each question on the screen for a
// while, so that pictures of it can be taken. Run with --gtest_also_run_disabled_tests
// --gtest_filter=DeleteTickedWine.DISABLED_*
TEST_F(DeleteTickedWine, DISABLED_ShowsTheQuestionsOfADeletion) {
    ASSERT_EQ(Shell("mkdir -p 照片/副本 空的 && printf 1 > 照片/IMG_0001.jpg && "
                    "printf 1 > 照片/副本/IMG_0001.jpg && printf 1 > 照片/IMG_0001_copy.jpg"),
              0);
    const char* seconds = std::getenv("CORVANE_SHOT_SECONDS");
    const DWORD delay = 1000 * (seconds ? std::atoi(seconds) : 4);
    CMainDialog d;
    RunModal(d, [&] {
        CMainCommands& c = d.Commands();
        CListGrid& grid = c.resultGrid;
        c.AppendFoundRow(Path(L"\\照片\\IMG_0001.jpg"), Path(L"\\照片\\副本\\IMG_0001.jpg"));
        c.AppendFoundRow(Path(L"\\照片\\IMG_0001.jpg"), Path(L"\\照片\\IMG_0001_copy.jpg"));
        c.AppendFoundRow(u"(空文件夹)", Path(L"\\空的"));
        for (int r = 0; r < 3; ++r) grid.SetTicked(1, r, true);
        grid.SetTicked(0, 0, true); // every copy: the question says so first
        grid.RepaintAll();
        for (int id : kResultButtonIds) d.EnableItem(id, true);
        CBoxAnswerer answerer(d.Handle(), {IDYES, IDNO}, delay);
        SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_DELETE_FILES, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.Item(IDC_DELETE_FILES)));
        PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
    });
    trashed = {"IMG_0001.jpg", "IMG_0001_copy.jpg", "空的"};
}

} // namespace
