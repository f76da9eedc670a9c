// The read-once content pass against the literal pairwise pass, over many generated trees.
#include "core/dupes/DuplicateEngine.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

// What one run shows and leaves behind, field by field.
struct Outcome {
    Rows rows;
    std::vector<int32_t> listed;
    ScanOutcome scanned;
    std::vector<std::u16string> counters;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* out) {
    for (const Row& r : o.rows)
        *out << "\n  " << Utf8FromUtf16(r.first) << " | " << Utf8FromUtf16(r.second);
    *out << "\n  listed";
    for (int32_t l : o.listed) *out << ' ' << l;
    *out << "\n  scan " << static_cast<int>(o.scanned);
    for (const auto& t : o.counters) *out << "\n  field " << Utf8FromUtf16(t);
}

class ReadOncePass : public DuplicateEngine {
protected:
    Outcome Run(bool pairwise) {
        settings.pairwiseContent = pairwise ? 1 : 0;
        Outcome o;
        o.rows = Search();
        for (const FileRecord& r : table) o.listed.push_back(r.listed);
        o.scanned = outcome;
        // The status line shows what each pass is at, which differs between them.
        for (ScanField f :
             {ScanField::kExamined, ScanField::kDuplicates, ScanField::kEmpty, ScanField::kTotal})
            o.counters.push_back(Field(f));
        return o;
    }

    // Every file of the tree read at most once at each byte since the last call.
    ::testing::AssertionResult EachByteReadOnce() {
        for (const auto& file : files) {
            auto reads = file->reads;
            std::sort(reads.begin(), reads.end());
            for (size_t i = 1; i < reads.size(); ++i)
                if (reads[i].first < reads[i - 1].first + reads[i - 1].second)
                    return ::testing::AssertionFailure()
                           << "bytes read twice at " << reads[i].first;
            file->reads.clear();
        }
        return ::testing::AssertionSuccess();
    }

    // A tree whose sizes cluster on a few values, many of them at or beside block edges, with
    // contents that share prefixes and suffixes and differ at chosen places; empty files,
    // hard links, case variants of source folders, locked files, read errors and sizes that
    // no longer match.
    void MakeTree(std::mt19937& rng, bool secondNames) {
        const size_t kBlock = 65536;
        const std::vector<size_t> sizes = {1,    3,          511,    512,        513,
                                           2000, kBlock - 1, kBlock, kBlock + 1, 2 * kBlock + 3};
        std::vector<size_t> pool;
        std::sample(sizes.begin(), sizes.end(), std::back_inserter(pool), 3, rng);
        const char* folders[] = {"Z:\\s\\", "Z:\\s\\a\\", "Z:\\s\\a\\b\\", "Z:\\t\\", "Z:\\t\\c\\"};
        const int count = std::uniform_int_distribution<int>(4, 24)(rng);
        for (int i = 0; i < count; ++i) {
            const size_t size = pool[rng() % pool.size()];
            std::string content(size, static_cast<char>('a' + rng() % 2)); // shared prefixes
            switch (rng() % 5) {
            case 0: break;                                                      // a copy
            case 1: content.back() = static_cast<char>('0' + rng() % 3); break; // the last byte
            case 2: // the last byte of a block, or the first of the next
                if (size > kBlock) content[kBlock - rng() % 2] = 'x';
                break;
            case 3: content[rng() % size] = static_cast<char>('0' + rng() % 2); break;
            default: content.front() = 'z'; break; // a shared suffix
            }
            if (rng() % 8 == 0) content.clear();
            const char* folder = folders[rng() % 5];
            std::u16string path(folder, folder + std::char_traits<char>::length(folder));
            path += u"f" + DecimalText(i);
            auto node = disk.AddFile(path, content);
            files.push_back(node);
            const unsigned fault = rng() % 16;
            if (fault == 0) node->lockedElsewhere = true;
            if (fault == 1 && !content.empty())
                node->readErrorAt = static_cast<int64_t>(rng() % content.size());
            if (secondNames && fault == 2) disk.AddName(u"Z:\\t\\link" + DecimalText(i), node);
            // The file grew or shrank since it was listed: it is grouped by what it holds.
            if (fault == 3) node->reportedSize = content.size() + (rng() % 2 ? 1 : -1);
        }
        AddSource(u"Z:\\s");
        if (rng() % 2) AddSource(u"Z:\\t");
        if (secondNames && rng() % 3 == 0) AddSource(u"Z:\\S\\A"); // overlapping, another case
    }

    void NewTree() {
        files.clear();
        disk.Remove(u"Z:\\s");
        disk.Remove(u"Z:\\t");
        folders.clear();
    }

    std::vector<std::shared_ptr<CMemoryFileSystem::Node>> files;
};

TEST_F(ReadOncePass, MatchesThePairwisePassOnGeneratedTrees) {
    for (unsigned seed = 1; seed <= 120; ++seed) {
        std::mt19937 rng(seed);
        NewTree();
        const bool idsKnown = seed % 4 != 0;
        disk.idsKnown = idsKnown;
        // Without ids, two names of one file meet only in an open that fails, and whether it
        // fails depends on which other file is open then: the passes differ there by design.
        MakeTree(rng, idsKnown);
        // Small limits make groups outgrow the open files and the chunks shrink.
        settings.groupingLimits =
            seed % 2 ? CContentGrouper::Limits{3, 2048} : CContentGrouper::Limits{};
        for (int criterion : {0, 1, 2})
            for (bool checkEmpty : {true, false}) {
                Settings(criterion, checkEmpty);
                const Outcome expected = Run(true);
                for (auto& f : files) f->reads.clear();
                disk.mostOpen = 0;
                EXPECT_EQ(Run(false), expected) << "seed " << seed << " criterion " << criterion;
                EXPECT_TRUE(EachByteReadOnce()) << "seed " << seed;
                EXPECT_LE(disk.mostOpen, static_cast<int>(settings.groupingLimits.maxOpen));
            }
    }
}

// Stop at a random poll: the run ends there, and its rows are the first rows of the full run.
TEST_F(ReadOncePass, AStopAtAnyPollLeavesAPrefix) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 rng(seed);
        NewTree();
        MakeTree(rng, true);
        settings.groupingLimits = CContentGrouper::Limits{2, 1024};
        const Rows full = Search();
        progress.stopAtPoll = 1 + static_cast<int>(rng() % static_cast<unsigned>(progress.polls));
        const Rows rows = Search();
        // A stop ends the run within a few polls, whichever phase heard it.
        EXPECT_LE(progress.polls - progress.stopAtPoll, 3) << seed;
        progress.stopAtPoll = 0;
        ASSERT_LE(rows.size(), full.size()) << seed;
        EXPECT_TRUE(std::equal(rows.begin(), rows.end(), full.begin())) << seed;
    }
}

// A group too large to stay open reads the end of its files with its first chunk: files that
// differ only there are told apart in one round, and a file without a copy is opened once.
// Files that shrank since they were listed have nothing at that end, which says nothing of
// their fronts.
TEST_F(ReadOncePass, AGroupTooLargeToStayOpenReadsTheEndEarly) {
    settings.groupingLimits = CContentGrouper::Limits{3, 2048};
    Settings(0, false);
    for (int i = 0; i < 6; ++i) {
        std::string content(5000, 'a');
        content.back() = static_cast<char>('0' + i % 4); // f0 = f4, f1 = f5
        files.push_back(disk.AddFile(u"Z:\\s\\f" + DecimalText(i), content));
    }
    for (int i = 0; i < 5; ++i) {
        std::string content(2000, 'b');
        content[1000] = static_cast<char>('0' + i % 4); // g0 and g4 are copies
        auto node = disk.AddFile(u"Z:\\s\\g" + DecimalText(i), content);
        node->reportedSize = 3000;
        files.push_back(node);
    }
    AddSource(u"Z:\\s");
    const Outcome expected = Run(true);
    ASSERT_EQ(expected.rows, (Rows{{u"Z:\\s\\f0", u"Z:\\s\\f4"},
                                   {u"Z:\\s\\f1", u"Z:\\s\\f5"},
                                   {u"Z:\\s\\g0", u"Z:\\s\\g4"}}));
    for (auto& f : files) f->reads.clear();
    disk.opened.clear();
    EXPECT_EQ(Run(false), expected);
    EXPECT_TRUE(EachByteReadOnce());
    const auto opens = [&](std::u16string_view prefix) {
        return std::count_if(disk.opened.begin(), disk.opened.end(),
                             [&](const std::u16string& p) { return p.starts_with(prefix); });
    };
    // The files without a copy are done with after one open.
    EXPECT_EQ(opens(u"Z:\\s\\f2"), 1);
    EXPECT_EQ(opens(u"Z:\\s\\f3"), 1);
}

// A run of twenty thousand files of one size: the open files stay within the bound and no
// byte is read twice, while every group of four copies is found.
TEST_F(ReadOncePass, AHugeRunOfOneSizeKeepsFewFilesOpen) {
    constexpr int kFiles = 20000;
    for (int i = 0; i < kFiles; ++i) {
        std::string content = "#" + std::to_string(10000 + i % 5000); // six bytes, four copies
        files.push_back(
            disk.AddFile(u"Z:\\r\\d" + DecimalText(i % 200) + u"\\f" + DecimalText(i), content));
    }
    AddSource(u"Z:\\r");
    settings.groupingLimits = CContentGrouper::Limits{64, 1 << 20};
    Settings(0, false);
    const Rows rows = Search();
    EXPECT_EQ(rows.size(), 15000u);
    EXPECT_EQ(Field(ScanField::kDuplicates), u"15000");
    EXPECT_LE(disk.mostOpen, 64);
    EXPECT_TRUE(EachByteReadOnce());
    for (const auto& file : files) EXPECT_LE(file->openCount, 0);
}

} // namespace
