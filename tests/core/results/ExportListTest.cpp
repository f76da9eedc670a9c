#include "core/results/ExportList.h"

#include "core/results/LittleEndian.h"
#include "core/results/ResultRows.h"
#include "core/window/CFakeWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

// A file that takes bytes up to `capacity`, then refuses, as a full disk does.
struct CFakeOutputFile : COutputFile {
    bool refuseCreate = false;
    bool failClose = false;
    size_t capacity = std::numeric_limits<size_t>::max();
    std::vector<std::u16string> created;
    std::string bytes;
    int writes = 0;
    int closes = 0;

    bool Create(const std::u16string& path) override {
        created.push_back(path);
        if (refuseCreate) return false;
        bytes.clear();
        return true;
    }
    bool Write(const void* data, size_t size) override {
        ++writes;
        const size_t room = capacity - bytes.size();
        bytes.append(static_cast<const char*>(data), std::min(size, room));
        return size <= room;
    }
    bool Close() override {
        ++closes;
        return !failClose;
    }
};

struct Export {
    Export() {
        grid.SetupHook();
        grid.SetViewSize(400, 200);
        SetUpResultGrid(grid, 1);
        window.saveChoices.push_back(u"Z:\\out\\列表.txt");
    }
    void Run() { OnExportList(grid, window, file); }
    std::vector<std::u16string> Messages() const {
        std::vector<std::u16string> texts;
        for (const auto& [text, style] : window.messages) texts.push_back(text);
        return texts;
    }

    CListGrid grid;
    CFakeWindow window;
    CFakeOutputFile file;
};

TEST(ExportList, OneRowIsTheMarkTheLeftPathATabTheRightPathAndCrLf) {
    Export e;
    AppendResultRow(e.grid, u"C:\\a", u"D:\\张");
    e.Run();
    const std::string expected("\xFF\xFE"
                               "C\0:\0\\\0a\0"
                               "\t\0"
                               "D\0:\0\\\0\x20\x5F"
                               "\r\0\n\0",
                               24);
    EXPECT_EQ(e.file.bytes, expected);
    EXPECT_EQ(e.file.created, std::vector<std::u16string>{u"Z:\\out\\列表.txt"});
    EXPECT_EQ(e.file.closes, 1);
    EXPECT_EQ(e.Messages(), std::vector<std::u16string>{u"导出完毕。"});
    const std::vector<std::u16string> tail(e.window.log.end() - 3, e.window.log.end());
    EXPECT_EQ(tail, (std::vector<std::u16string>{u"wait on", u"message 导出完毕。", u"wait off"}));
}

TEST(ExportList, EveryRowIsWrittenAsItsLabelsReadWhateverItsTicks) {
    Export e;
    std::u16string longPath = u"Z:\\";
    for (int i = 0; i < 300; ++i) longPath += u"很长的文件夹𠀀\\";
    longPath += u"最后.txt";
    AppendResultRow(e.grid, u"Z:\\照片\\a.jpg", u"Z:\\备份\\a.jpg");
    AppendResultRow(e.grid, kEmptyFileLabel, u"Z:\\e.dat");
    AppendResultRow(e.grid, kEmptyFolderLabel, u"Z:\\空\\");
    AppendResultRow(e.grid, longPath, u"Z:\\x");
    e.grid.AppendRow(); // a row whose left cell never got a label
    e.grid.SetCellLabel(1, 4, u"Z:\\only right");
    e.grid.AppendRow(); // and one with no label at all
    e.grid.SetTicked(1, 0, true);
    e.grid.SetTicked(0, 1, true);
    e.Run();
    const std::string expected = "\xFF\xFE" + Le(u"Z:\\照片\\a.jpg\tZ:\\备份\\a.jpg\r\n") +
                                 Le(u"(空文件)\tZ:\\e.dat\r\n") + Le(u"(空文件夹)\tZ:\\空\\\r\n") +
                                 Le(longPath + u"\tZ:\\x\r\n") + Le(u"\tZ:\\only right\r\n") +
                                 Le(u"\t\r\n");
    EXPECT_EQ(e.file.bytes.size(), expected.size());
    EXPECT_TRUE(e.file.bytes == expected);
    EXPECT_EQ(e.Messages(), std::vector<std::u16string>{u"导出完毕。"});
}

TEST(ExportList, AListOfManyBlocksArrivesWholeAndInOrder) {
    Export e;
    std::string expected = "\xFF\xFE";
    for (int i = 0; i < 2500; ++i) {
        const std::u16string n = DecimalText(i);
        AppendResultRow(e.grid, u"Z:\\anchor\\" + n, u"Z:\\copy\\" + n + u".bin");
        expected += Le(u"Z:\\anchor\\" + n + u"\tZ:\\copy\\" + n + u".bin\r\n");
    }
    e.Run();
    EXPECT_GT(e.file.writes, 2);
    EXPECT_EQ(e.file.bytes.size(), expected.size());
    EXPECT_TRUE(e.file.bytes == expected);
}

TEST(ExportList, AnEmptyListACancelAndAFileThatCannotBeCreatedWriteNothing) {
    Export empty;
    empty.Run();
    EXPECT_EQ(empty.Messages(), std::vector<std::u16string>{std::u16string(kEmptyListMessage)});
    EXPECT_EQ(std::count(empty.window.log.begin(), empty.window.log.end(), u"save dialog"), 0);

    Export cancelled;
    AppendResultRow(cancelled.grid, u"Z:\\a", u"Z:\\b");
    cancelled.window.saveChoices.clear();
    cancelled.Run();
    EXPECT_TRUE(cancelled.window.messages.empty());

    Export refused;
    AppendResultRow(refused.grid, u"Z:\\a", u"Z:\\b");
    refused.file.refuseCreate = true;
    refused.Run();
    EXPECT_EQ(refused.Messages(), std::vector<std::u16string>{u"输出文件创建失败。"});
    EXPECT_EQ(std::count(refused.window.log.begin(), refused.window.log.end(), u"wait on"), 0);
    for (const Export* e : {&empty, &cancelled, &refused}) EXPECT_EQ(e->file.writes, 0);
    EXPECT_TRUE(empty.file.created.empty() && cancelled.file.created.empty());
}

TEST(ExportList, AWriteThatFailsPartWayIsReportedAndNeverCalledFinished) {
    struct Case {
        size_t capacity;
        bool failClose;
    };
    // The mark itself refused; a disk that fills in the middle; every byte taken but the
    // file not completed.
    for (const Case c : {Case{0, false}, Case{70000, false}, Case{SIZE_MAX, true}}) {
        Export e;
        for (int i = 0; i < 1500; ++i) AppendResultRow(e.grid, u"Z:\\anchor.txt", u"Z:\\copy.txt");
        e.file.capacity = c.capacity;
        e.file.failClose = c.failClose;
        e.Run();
        const std::u16string expected =
            u"写入输出文件时出错（磁盘可能已满），列表没有完整导出。\r\n文件中只有已写入的部分："
            u"\r\nZ:\\out\\列表.txt";
        EXPECT_EQ(e.Messages(), std::vector<std::u16string>{expected}) << c.capacity;
        EXPECT_EQ(e.file.closes, 1);
        EXPECT_EQ(e.window.log.back(), u"wait off");
        if (c.capacity == 70000) {
            EXPECT_EQ(e.file.writes, 2); // no retry after the failure
        }
    }
}

} // namespace
