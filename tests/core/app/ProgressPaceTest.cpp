// The pace of a long command: the queue is emptied and progress drawn by the clock, not per
// file, and the fields end on their exact values.
#include "core/app/SearchFixture.h"

#include <algorithm>
#include <string>

namespace {

class ProgressPace : public SearchFixture {
protected:
    static constexpr int kFiles = 600;
    ProgressPace() {
        for (int i = 0; i < kFiles; ++i)
            disk.AddFile(u"Z:\\s\\d" + DecimalText(i % 20) + u"\\f" + DecimalText(i),
                         std::string(1 + i % 7, static_cast<char>('a' + i % 3)));
        for (int i = 0; i < 5; ++i) disk.AddFile(u"Z:\\s\\e" + DecimalText(i), "");
        AddSource(u"Z:\\s");
    }
    int StatusWrites() const {
        return static_cast<int>(std::count_if(window.log.begin(), window.log.end(), [](auto& l) {
            return l.starts_with(u"text " + DecimalText(IDC_STATUS));
        }));
    }
};

TEST_F(ProgressPace, OneMillisecondPerPollPumpsAndDrawsByTheClockAndEndsExact) {
    Settings(0, true);
    const Rows everyPoll = Search(); // the default clock pumps and draws at every poll
    std::vector<std::u16string> fields;
    for (int id : {IDC_EXAMINED, IDC_DUPLICATES, IDC_EMPTY, IDC_TOTAL})
        fields.push_back(Counter(id));
    ASSERT_GT(StatusWrites(), kFiles); // a path for every file

    window.log.clear();
    window.pumps = 0;
    window.clockStep = 1;
    uint64_t lastPumpAt = window.clock, longestGap = 0;
    window.onPump = [&](int) {
        longestGap = std::max(longestGap, window.clock - lastPumpAt);
        lastPumpAt = window.clock;
    };
    const uint64_t start = window.clock;
    EXPECT_EQ(Search(), everyPoll);
    const uint64_t elapsed = window.clock - start;
    EXPECT_LE(longestGap, 26u); // Stop and repaints get through at least every 26 ms
    EXPECT_LE(window.pumps, static_cast<int>(elapsed / 25) + 12);
    EXPECT_LE(StatusWrites(), static_cast<int>(elapsed / 50) + 12);
    for (int i = 0; int id : {IDC_EXAMINED, IDC_DUPLICATES, IDC_EMPTY, IDC_TOTAL})
        EXPECT_EQ(Counter(id), fields[i++]) << id;
}

// Counting a tree shows nothing of the files, but the status line follows the folders, so
// that a long count shows where it is.
TEST_F(ProgressPace, CountingShowsTheFoldersItCounts) {
    window.clockStep = 1;
    Search();
    const std::u16string status = u"text " + DecimalText(IDC_STATUS) + u" ";
    const auto start = std::find(window.log.begin(), window.log.end(), status + u"统计文件个数...");
    const auto total =
        std::find(start, window.log.end(), u"text " + DecimalText(IDC_TOTAL) + u" /605");
    ASSERT_NE(total, window.log.end());
    std::vector<std::u16string> folders;
    for (auto it = start; it != total; ++it)
        if (it->starts_with(status + u"Z:\\s\\d")) folders.push_back(it->substr(status.size()));
    EXPECT_GE(folders.size(), 3u);
    for (const auto& f : folders) EXPECT_NE(f.back(), u'\\');
}

TEST_F(ProgressPace, StopTakesEffectWithinAFewMilliseconds) {
    window.clockStep = 1;
    for (int pressAt : {3, 20, 40}) {
        uint64_t pressedAt = 0;
        window.pumps = 0;
        window.onPump = [&](int pump) {
            if (pump != pressAt) return;
            pressedAt = window.clock;
            commands.OnSearchDuplicates();
        };
        Search();
        ASSERT_NE(pressedAt, 0u) << pressAt;
        EXPECT_LE(window.clock - pressedAt, 100u) << pressAt;
        EXPECT_EQ(MessageTexts()[0].substr(0, 7), u"检查已被终止。") << pressAt;
    }
}

} // namespace

namespace {

// A thousand files of one size, read in one run: while the run is read, the examined count
// and the status line move with the clock instead of waiting for the run to end.
TEST_F(SearchFixture, ALongRunOfOneSizeShowsTheFilesItReads) {
    for (int i = 0; i < 1000; ++i)
        disk.AddFile(u"Z:\\r\\f" + DecimalText(i), std::to_string(10000 + i));
    AddSource(u"Z:\\r");
    Settings(0, false);
    window.clockStep = 1;
    Search();
    const std::u16string examined = u"text " + DecimalText(IDC_EXAMINED) + u" ";
    const std::u16string status = u"text " + DecimalText(IDC_STATUS) + u" ";
    // The content pass starts once the recording walk has shown its last file.
    const auto start = std::find(window.log.rbegin(), window.log.rend(), examined + u"1000");
    ASSERT_NE(start, window.log.rend());
    std::vector<std::u16string> counts, paths;
    for (auto it = start.base(); it != window.log.end(); ++it) {
        if (it->starts_with(examined)) counts.push_back(it->substr(examined.size()));
        if (it->starts_with(status + u"Z:\\r\\f")) paths.push_back(*it);
    }
    EXPECT_GE(counts.size(), 10u);
    EXPECT_GE(paths.size(), 10u);
    EXPECT_EQ(counts.back(), u"999"); // the last position, as at the end of any content pass
}

} // namespace
