#include "core/app/CMainCommands.h"
#include "core/results/ResultRows.h"
#include "core/scan/ScanPathPool.h"
#include "core/window/CFakeWindow.h"
#include "core/window/ControlIds.h"
#include "core/window/MessageStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<int> kResultButtons = {IDC_DELETE_FILES, IDC_TICK_RIGHT, IDC_CLEAR_TICKS,
                                         IDC_EXPORT, IDC_DELETE_FOLDERS};

class BusyState : public ::testing::Test {
protected:
    BusyState() : commands(window) {
        window.buttons = {IDC_NEW_LIST, IDC_ADD_FOLDER, IDC_FIND_DUPLICATES, IDC_CHECK_EMPTY,
                          IDC_FIND_EMPTY_FOLDERS};
        for (int id : kResultButtons) window.buttons.push_back(id);
        commands.resultGrid.SetColumnCount(2);
    }
    CFakeWindow window;
    CMainCommands commands;
};

TEST_F(BusyState, StartsIdleWithTheFirstSettings) {
    EXPECT_EQ(commands.running, 0);
    EXPECT_EQ(commands.stopRequested, 0);
    EXPECT_EQ(commands.checkEmptyFiles, 1);
    EXPECT_EQ(commands.criterion, 0);
    EXPECT_EQ(commands.fileTable.fileCount, 0u);
    EXPECT_EQ(commands.fileTable.files, nullptr);
    EXPECT_TRUE(commands.CanClose());
    commands.ExchangeToControls();
    EXPECT_TRUE(window.IsItemChecked(IDC_CHECK_EMPTY));
    EXPECT_EQ(window.SelectedIndex(IDC_CRITERION), 0);
}

TEST_F(BusyState, ExchangeFromControlsReadsTheSettingsAtTheStartOfARun) {
    window.CheckItem(IDC_CHECK_EMPTY, false);
    window.SelectIndex(IDC_CRITERION, 2);
    commands.ExchangeFromControls();
    EXPECT_EQ(commands.checkEmptyFiles, 0);
    EXPECT_EQ(commands.criterion, 2);
}

TEST_F(BusyState, EnteringLeavesOnlyTheCommandsOwnButtonAsStop) {
    commands.stopRequested = 1; // left over from nothing: a new run starts clean
    commands.EnterBusy(IDC_FIND_EMPTY_FOLDERS);
    EXPECT_EQ(commands.running, 1);
    EXPECT_EQ(commands.stopRequested, 0);
    EXPECT_FALSE(commands.CanClose());
    const std::vector<std::u16string> expected = {u"pump", u"buttons off", u"text 1034 停止",
                                                  u"enable 1034"};
    EXPECT_EQ(window.log, expected);
    for (int id : window.buttons)
        EXPECT_EQ(window.IsItemEnabled(id), id == IDC_FIND_EMPTY_FOLDERS) << id;
}

TEST_F(BusyState, LeavingEnablesTheResultButtonsOnlyWhenThereAreRows) {
    commands.EnterBusy(IDC_FIND_DUPLICATES);
    commands.LeaveBusy(IDC_FIND_DUPLICATES, u"2. 查找重复文件");
    EXPECT_EQ(commands.running, 0);
    EXPECT_TRUE(commands.CanClose());
    for (int id : kResultButtons) EXPECT_FALSE(window.IsItemEnabled(id)) << id;
    EXPECT_TRUE(window.IsItemEnabled(IDC_ADD_FOLDER));
    EXPECT_EQ(window.ItemText(IDC_FIND_DUPLICATES), u"2. 查找重复文件");
    EXPECT_EQ(window.ItemText(IDC_STATUS), u"结束。");

    AppendResultRow(commands.resultGrid, u"D:\\a.txt", u"D:\\b.txt");
    commands.EnterBusy(IDC_FIND_DUPLICATES);
    commands.LeaveBusy(IDC_FIND_DUPLICATES, u"2. 查找重复文件");
    for (int id : kResultButtons) EXPECT_TRUE(window.IsItemEnabled(id)) << id;
}

TEST_F(BusyState, StopPressedDuringAPollIsSeenByThatPoll) {
    commands.EnterBusy(IDC_FIND_DUPLICATES);
    // The press arrives as a message dispatched inside the third poll.
    window.onPump = [&](int pump) {
        if (pump == 4) commands.stopRequested = 1; // the first pump was entering
    };
    int polls = 0;
    while (!commands.ShouldStop()) ++polls;
    EXPECT_EQ(polls, 2);
    commands.LeaveBusy(IDC_FIND_DUPLICATES, u"2. 查找重复文件");
    EXPECT_EQ(commands.stopRequested, 0);
}

TEST_F(BusyState, TickCommandsOnAnEmptyListSayWhyAndChangeNothing) {
    commands.OnTickRightColumn();
    commands.OnClearAllTicks();
    ASSERT_EQ(window.messages.size(), 2u);
    for (const auto& [text, style] : window.messages) {
        EXPECT_EQ(text, kEmptyListMessage);
        EXPECT_EQ(style & MessageStyle::kButtonMask, MessageStyle::kOk);
    }
    AppendResultRow(commands.resultGrid, u"D:\\a.txt", u"D:\\b.txt");
    commands.OnTickRightColumn();
    EXPECT_TRUE(commands.resultGrid.IsTicked(1, 0));
    EXPECT_FALSE(commands.resultGrid.IsTicked(0, 0));
    EXPECT_EQ(window.messages.size(), 2u);
}

TEST_F(BusyState, CountersAreWrittenAsDecimalNumbers) {
    commands.SetCounter(IDC_EXAMINED, 0);
    EXPECT_EQ(window.ItemText(IDC_EXAMINED), u"0");
    commands.SetCounter(IDC_DUPLICATES, 1234567);
    EXPECT_EQ(window.ItemText(IDC_DUPLICATES), u"1234567");
    commands.SetCounter(IDC_EMPTY, -2147483647 - 1);
    EXPECT_EQ(window.ItemText(IDC_EMPTY), u"-2147483648");
}

TEST_F(BusyState, DestroyingTheWindowReleasesTheTableAndThePool) {
    ASSERT_TRUE(commands.fileTable.Allocate(4));
    ASSERT_GT(ScanPathPool().Add(u"D:\\x"), 0);
    commands.OnWindowDestroyed();
    EXPECT_EQ(commands.fileTable.files, nullptr);
    EXPECT_EQ(commands.fileTable.fileCount, 0u);
    EXPECT_EQ(ScanPathPool().Get(1), nullptr);
    EXPECT_EQ(ScanPathPool().Add(u"D:\\y"), 1);
    ScanPathPool().Clear();
}

TEST(MessageStyleRule, UsualButtonSetsWithoutAnIconGetTheExclamationMark) {
    using namespace MessageStyle;
    EXPECT_EQ(WithDefaultIcon(kOk), 0x30u);
    EXPECT_EQ(WithDefaultIcon(kOkCancel), 0x31u);
    EXPECT_EQ(WithDefaultIcon(kYesNoCancel), 0x33u);
    EXPECT_EQ(WithDefaultIcon(kYesNo), 0x34u);
    EXPECT_EQ(WithDefaultIcon(kYesNo | kIconInformation), 0x44u); // the caller's icon stays
    EXPECT_EQ(WithDefaultIcon(0x2u), 0x2u);                       // abort/retry/ignore
    EXPECT_EQ(WithDefaultIcon(0x5u), 0x5u);                       // retry/cancel
}

} // namespace
