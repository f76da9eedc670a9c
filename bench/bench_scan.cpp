// Whole-drive figures for the path pool and the path order: a million paths of about 60
// characters, stored, and a million records sorted by path; and the content search's sort of
// a million records in walk order, by size and then path, with sizes shared by thousands.
#include "core/scan/CPathPool.h"
#include "core/scan/ComparePaths.h"
#include "core/scan/FileOrder.h"
#include "core/scan/FileRecord.h"
#include "core/scan/ScanPathPool.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kPaths = 1'000'000;

void Append(std::u16string& s, unsigned n) {
    for (char c : std::to_string(n)) s += static_cast<char16_t>(c);
}

// Paths shaped like a real drive: shared prefixes, a few levels of folders, numbered names.
std::vector<std::u16string> MakePaths() {
    std::mt19937 rng(7);
    std::vector<std::u16string> paths;
    paths.reserve(kPaths);
    for (int i = 0; i < kPaths; ++i) {
        std::u16string p = u"D:\\Users\\Public\\Pictures\\Album";
        Append(p, rng() % 40);
        p += u"\\Trip";
        Append(p, rng() % 300);
        p += u"\\IMG_";
        Append(p, rng() % 100000);
        p += u"_copy.jpg";
        paths.push_back(std::move(p));
    }
    return paths;
}

const std::vector<std::u16string>& Paths() {
    static const std::vector<std::u16string> paths = MakePaths();
    return paths;
}

void BM_PoolAddMillionPaths(benchmark::State& state) {
    const auto& paths = Paths();
    for (auto _ : state) {
        CPathPool pool;
        for (const auto& p : paths) benchmark::DoNotOptimize(pool.Add(p.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * kPaths);
}
BENCHMARK(BM_PoolAddMillionPaths)->Unit(benchmark::kMillisecond);

// Records in walk order point all over the pool, so a sort by path is bound by memory as much
// as by the comparison; the plain code-unit order gives the floor to read the figure against.
template <class Compare> void SortMillionRecords(benchmark::State& state, Compare compare) {
    const auto& paths = Paths();
    CPathPool pool;
    std::vector<FileRecord> shuffled;
    shuffled.reserve(kPaths);
    for (const auto& p : paths) shuffled.push_back(FileRecord{0, 0, 0, pool.Add(p.c_str()), 0, 0});
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<FileRecord> records = shuffled;
        state.ResumeTiming();
        std::sort(records.begin(), records.end(), [&](const FileRecord& a, const FileRecord& b) {
            return compare(pool.Get(a.pathIndex), pool.Get(b.pathIndex)) < 0;
        });
        benchmark::DoNotOptimize(records.data());
    }
    state.SetItemsProcessed(state.iterations() * kPaths);
}

void BM_SortMillionRecordsByPath(benchmark::State& state) {
    SortMillionRecords(state, ComparePaths);
}
BENCHMARK(BM_SortMillionRecordsByPath)->Unit(benchmark::kMillisecond);

void BM_SortMillionRecordsByCodeUnits(benchmark::State& state) {
    SortMillionRecords(state, [](const char16_t* a, const char16_t* b) {
        return std::u16string_view(a).compare(b);
    });
}
BENCHMARK(BM_SortMillionRecordsByCodeUnits)->Unit(benchmark::kMillisecond);

// A walk of 10,000 folders of 100 files in the order a disk lists them (not by name): each
// folder's files, then its sub-folders, three to five levels deep.
std::vector<FileRecord> WalkedTable(CPathPool& pool) {
    std::mt19937 rng(11);
    std::vector<FileRecord> table;
    table.reserve(kPaths);
    for (unsigned folder = 0; table.size() < kPaths; ++folder) {
        const unsigned user = rng() % 20;
        std::u16string path = u"Z:\\tmp\\drive\\u";
        Append(path, user);
        path += u"\\p";
        Append(path, rng() % 250);
        path += u"\\doc";
        Append(path, folder);
        for (unsigned depth = rng() % 3; depth > 0; --depth) path += u"\\sub";
        path += u"\\";
        for (int i = 0; i < 100 && table.size() < kPaths; ++i) {
            std::u16string file = path + u"file ";
            Append(file, rng() % 10'000'000);
            file += u".txt";
            table.push_back(FileRecord{0, 0, static_cast<uint32_t>(1 + rng() % 12),
                                       pool.Add(file.c_str()), 0, 0});
        }
    }
    return table;
}

void BM_SortMillionWalkedRecordsBySize(benchmark::State& state) {
    CPathPool& pool = ScanPathPool();
    const std::vector<FileRecord> walked = WalkedTable(pool);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<FileRecord> records = walked;
        state.ResumeTiming();
        SortFileTable(records.data(), records.data() + records.size(), CompareBySize);
        benchmark::DoNotOptimize(records.data());
    }
    pool.Clear();
    state.SetItemsProcessed(state.iterations() * kPaths);
}
BENCHMARK(BM_SortMillionWalkedRecordsBySize)->Unit(benchmark::kMillisecond);

} // namespace
