#include "core/grid/CCellStore.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

std::u16string PathOf(int n) {
    return u"Z:\\data\\folder " + std::u16string(1, static_cast<char16_t>(u'a' + n % 26)) +
           u"\\file " + std::u16string(static_cast<size_t>(n % 7 + 1), u'x') + u".txt";
}

std::u16string LabelAt(const CCellStore& store, int column, int row) {
    CGridCell cell;
    return store.MergeInto(column, row, cell) && cell.Has(CGridCell::kLabel) ? cell.Label()
                                                                             : u"<none>";
}

CGridCell Labelled(std::u16string_view label, std::u16string_view text) {
    CGridCell cell;
    cell.SetLabel(label);
    cell.SetText(text);
    cell.SetDataType(CGridCell::kTypeBoolean);
    return cell;
}

TEST(CellStore, EveryPropertyComesBackAndARewriteWithoutThemDropsThem) {
    CCellStore store;
    store.SetRowCount(1);
    CGridCell full = Labelled(u"Z:\\a long label that lives in the arena", u"1");
    full.SetCellType(2);
    full.SetCellTypeStyle(5);
    full.SetTextColour(0x010203);
    full.SetBackColour(0x040506);
    full.SetHighlightTextColour(0x070809);
    full.SetHighlightBackColour(0x0A0B0C);
    full.SetBorder(CGridCell::kBorderRight);
    full.SetBorderPen(77);
    full.SetFont(88);
    full.SetAlignment(CGridCell::kAlignCentre);
    full.SetReadOnly(1);
    full.SetDecimals(2);
    store.Write(1, 0, full);

    CGridCell back;
    ASSERT_TRUE(store.MergeInto(1, 0, back));
    EXPECT_EQ(back.Mask(), full.Mask());
    EXPECT_EQ(back.Label(), full.Label());
    EXPECT_EQ(back.Text(), u"1");
    EXPECT_EQ(back.DataType(), CGridCell::kTypeBoolean);
    EXPECT_EQ(back.CellType(), 2);
    EXPECT_EQ(back.CellTypeStyle(), 5);
    EXPECT_EQ(back.TextColour(), 0x010203u);
    EXPECT_EQ(back.BackColour(), 0x040506u);
    EXPECT_EQ(back.HighlightTextColour(), 0x070809u);
    EXPECT_EQ(back.HighlightBackColour(), 0x0A0B0Cu);
    EXPECT_EQ(back.Border(), CGridCell::kBorderRight);
    EXPECT_EQ(back.BorderPen(), 77u);
    EXPECT_EQ(back.Font(), 88u);
    EXPECT_EQ(back.Alignment(), CGridCell::kAlignCentre);
    EXPECT_TRUE(back.ReadOnly());
    EXPECT_EQ(back.Decimals(), 2);
    EXPECT_FALSE(store.MergeInto(0, 0, back));

    // Written whole again with only a text: nothing of the old cell shows through.
    CGridCell plain;
    plain.SetText(u"0");
    store.Write(1, 0, plain);
    CGridCell again;
    ASSERT_TRUE(store.MergeInto(1, 0, again));
    EXPECT_EQ(again.Mask(), CGridCell::kText);
    EXPECT_EQ(again.Text(), u"0");
    EXPECT_EQ(again.Font(), 0u);
    EXPECT_EQ(again.Label(), u"");
}

TEST(CellStore, RowsKeepTheirLabelsThroughSwapsRemovalsAndManyRewrites) {
    CCellStore store;
    const int rows = 600;
    store.SetRowCount(rows);
    // The rows of one anchor start with the same path, as the result list's do.
    for (int r = 0; r < rows; ++r) {
        store.Write(0, r, Labelled(PathOf(r / 3), u"0"));
        store.Write(1, r, Labelled(PathOf(1000 + r), u"0"));
    }
    store.SwapRows(0, rows - 1);
    store.RemoveRow(1);
    // Enough rewrites of every right label to release far more than is live, twice over.
    for (int round = 0; round < 600; ++round)
        for (int r = 0; r < rows - 1; r += 7)
            store.Write(1, r, Labelled(PathOf(round + r) + u"\\again", round % 2 ? u"1" : u"0"));
    for (int r = 0; r < rows - 1; ++r) {
        const int original = r == 0 ? rows - 1 : r + 1; // row 0 swapped, row 1 removed
        const int shown = r == rows - 2 ? 0 : original;
        ASSERT_EQ(LabelAt(store, 0, r), PathOf(shown / 3)) << r;
        const std::u16string right =
            r % 7 == 0 ? PathOf(599 + r) + u"\\again" : PathOf(1000 + shown);
        ASSERT_EQ(LabelAt(store, 1, r), right) << r;
    }
}

TEST(CellStore, EmptyingTheRowsKeepsTheHeadings) {
    CCellStore store;
    CGridCell heading;
    heading.SetText(u"源文件");
    store.Write(0, -1, heading);
    store.SetRowCount(2);
    store.Write(0, 1, Labelled(PathOf(1), u"1"));
    store.SetRowCount(0);
    store.SetRowCount(2);
    CGridCell cell;
    EXPECT_FALSE(store.MergeInto(0, 1, cell));
    ASSERT_TRUE(store.MergeInto(0, -1, cell));
    EXPECT_EQ(cell.Text(), u"源文件");
}

} // namespace

namespace {

// The store against the plainest model of it, over long random runs of every operation, so
// that compaction, shared strings and reused cells meet in every order.
TEST(CellStore, RandomOperationsMatchAPlainModel) {
    using Row = std::map<int, std::pair<std::u16string, std::u16string>>; // column: label, text
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        CCellStore store;
        std::vector<Row> model;
        Row heading;
        const auto label = [&] {
            const int kind = pick(4);
            if (kind == 0) return std::u16string(u"ab");
            return PathOf(pick(50)) + std::u16string(static_cast<size_t>(pick(3) * 1500), u'p');
        };
        for (int step = 0; step < 4000; ++step) {
            const int op = pick(100);
            const int rows = static_cast<int>(model.size());
            if (op < 45 || rows == 0) {
                store.AppendRow();
                model.emplace_back();
                const int r = static_cast<int>(model.size()) - 1;
                for (int c = 0; c < 2; ++c) {
                    const std::u16string l = label();
                    store.Write(c, r, Labelled(l, u"0"));
                    model[static_cast<size_t>(r)][c] = {l, u"0"};
                }
            } else if (op < 65) {
                const int r = pick(rows), c = pick(3);
                const std::u16string l = label(), t = pick(2) ? u"1" : u"0";
                store.Write(c, r, Labelled(l, t));
                model[static_cast<size_t>(r)][c] = {l, t};
            } else if (op < 80) {
                const int r = pick(rows);
                store.RemoveRow(r);
                model.erase(model.begin() + r);
            } else if (op < 90) {
                const int a = pick(rows), b = pick(rows);
                store.SwapRows(a, b);
                std::swap(model[static_cast<size_t>(a)], model[static_cast<size_t>(b)]);
            } else if (op < 93) {
                const std::u16string l = label();
                store.Write(pick(2), -1, Labelled(l, u"h"));
                heading[0] = {l, u"h"};
                store.Write(0, -1, Labelled(l, u"h"));
            } else if (op < 95) {
                store.SetRowCount(0);
                model.clear();
            } else if (op < 98) {
                const int n = pick(rows + 1);
                store.SetRowCount(n);
                model.resize(static_cast<size_t>(n));
            } else {
                store.TrimColumns(1);
                for (Row& row : model) row.erase(row.upper_bound(0), row.end());
            }
            if (step % 97 != 0) continue;
            ASSERT_EQ(store.RowCount(), static_cast<int>(model.size())) << seed << " " << step;
            for (int r = 0; r < store.RowCount(); ++r)
                for (int c = 0; c < 3; ++c) {
                    const Row& row = model[static_cast<size_t>(r)];
                    const auto it = row.find(c);
                    ASSERT_EQ(LabelAt(store, c, r), it == row.end() ? u"<none>" : it->second.first)
                        << seed << " " << step << " " << r << " " << c;
                }
        }
    }
}

} // namespace
