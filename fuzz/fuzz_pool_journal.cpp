// Two stores a scan leans on, each against a plain model of what it promises.
// The path pool: every index gives back exactly the string stored under it, to its terminator,
// and 0, negative and unused indices give nothing; a refused string takes no index.
// The listing journal: the filling walk gets every listing as the file system gave it to the
// counting walk, without asking the file system again; once the walks part ways, or the
// counting walk left a listing half read, every listing comes from the file system.
#include "core/platform/CMemoryFileSystem.h"
#include "core/scan/CListingJournal.h"
#include "core/scan/CPathPool.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// Units of every kind but the separator: ASCII letters of both cases, CJK, anything else.
std::u16string Units(size_t length, uint32_t seed) {
    std::u16string s;
    for (size_t i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        const uint32_t r = seed >> 8;
        const char16_t kinds[] = {
            static_cast<char16_t>(u'a' + r % 26), static_cast<char16_t>(u'A' + r % 26),
            static_cast<char16_t>(0x4E00 + r % 0x5000), static_cast<char16_t>(r)};
        const char16_t c = kinds[seed >> 30];
        s += c == u'\\' || c == 0 ? u'_' : c;
    }
    return s;
}

void FuzzPathPool(FuzzedDataProvider& in) {
    constexpr size_t kLongest = 4094; // characters of the longest path kept, terminator aside
    CPathPool pool;
    std::vector<std::u16string> model;
    auto add = [&](const std::u16string& s) {
        const int32_t index = pool.Add(s.c_str());
        if (s.size() > kLongest) return Check(index == -2);
        model.push_back(s);
        Check(index == static_cast<int32_t>(model.size()));
    };
    auto get = [&](int32_t index) {
        const char16_t* p = pool.Get(index);
        if (index < 1 || static_cast<size_t>(index) > model.size()) return Check(p == nullptr);
        Check(p != nullptr && std::u16string_view(p) == model[index - 1]);
    };
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: {
            const size_t near[] = {0, 1, kLongest - 1, kLongest, kLongest + 1, kLongest + 2};
            add(Units(in.ConsumeBool() ? near[in.ConsumeIntegralInRange(0, 5)]
                                       : in.ConsumeIntegralInRange<size_t>(0, 9000),
                      in.ConsumeIntegral<uint32_t>()));
            break;
        }
        case 1: // enough short ones to outgrow the first tables
            for (int n = model.size() < 20000 ? in.ConsumeIntegralInRange(1, 3000) : 0; n > 0; --n)
                add(Units(static_cast<size_t>(n % 37), static_cast<uint32_t>(n)));
            break;
        case 2: Check(pool.Add(nullptr) == 0); break;
        case 3: pool.Clear(), model.clear(); break;
        case 4: get(in.ConsumeIntegral<int32_t>()); break;
        case 5: get(static_cast<int32_t>(model.size()) + in.ConsumeIntegralInRange(-2, 2)); break;
        default: get(in.ConsumeIntegralInRange(-2, static_cast<int32_t>(model.size()))); break;
        }
        Check(pool.Count() == model.size());
    }
    for (size_t i = 0; i <= model.size() + 1; ++i) get(static_cast<int32_t>(i));
}

struct Listed {
    bool listable = false;
    bool whole = false; // read to its end, so that `failed` tells
    bool failed = false;
    std::vector<DirEntry> entries;
};

// What the second walk got is what was expected, as far as it read.
bool Agrees(const Listed& got, const Listed& want) {
    if (got.listable != want.listable || got.entries.size() > want.entries.size()) return false;
    if (got.whole && (got.entries.size() != want.entries.size() || got.failed != want.failed))
        return false;
    return std::equal(got.entries.begin(), got.entries.end(), want.entries.begin(),
                      [](const DirEntry& a, const DirEntry& b) {
                          return a.name == b.name && a.attributes == b.attributes &&
                                 a.sizeHigh == b.sizeHigh && a.sizeLow == b.sizeLow && a.id == b.id;
                      });
}

struct JournalRun {
    JournalRun(FuzzedDataProvider& in, CMemoryFileSystem& disk, IFileSystem*& slot,
               CListingJournal& journal)
        : in(in), disk(disk), slot(slot), journal(journal) {}

    FuzzedDataProvider& in;
    CMemoryFileSystem& disk;
    IFileSystem*& slot; // what the walkers see, as in the scan
    CListingJournal& journal;
    bool second = false;
    bool reorder = false;
    bool recordedWhole = true;
    bool playing = false;                               // the model of IsPlayingBack
    std::deque<std::pair<std::u16string, Listed>> kept; // the first walk's listings, in order
    DirEntry entry; // reused throughout, so that a field left over from an earlier entry shows

    Listed Read(std::unique_ptr<IDirListing> listing, size_t stopAt) {
        Listed out;
        out.listable = listing != nullptr;
        while (listing && out.entries.size() < stopAt && listing->Next(entry))
            out.entries.push_back(entry);
        out.whole = listing && out.entries.size() < stopAt;
        out.failed = out.whole && listing->Failed();
        return out;
    }

    void Walk(const std::u16string& folder) {
        const bool breakOff = in.ConsumeIntegralInRange(0, 15) == 15;
        const size_t stopAt = breakOff ? in.ConsumeIntegralInRange<size_t>(0, 40) : SIZE_MAX;
        const bool fromJournal = playing && !kept.empty() && kept.front().first == folder;
        const Listed fresh = fromJournal ? Listed{} : Read(disk.List(folder), SIZE_MAX);
        const int listings = disk.listings;
        const Listed got = Read(slot->List(folder), stopAt);
        // A listing left part-way still leads on as it would have read whole.
        const Listed want = fromJournal ? kept.front().second : fresh;
        if (fromJournal) kept.pop_front();
        Check(Agrees(got, want) && disk.listings == listings + (fromJournal ? 0 : 1));
        if (!second) {
            recordedWhole = recordedWhole && (got.whole || !got.listable);
            kept.emplace_back(folder, fresh);
        } else {
            playing = playing && fromJournal; // once the walks part, the file system answers
            Check(journal.IsPlayingBack() == playing);
        }
        std::vector<std::u16string> folders;
        for (const DirEntry& e : want.entries)
            if (e.IsFolder() && e.name != u"." && e.name != u"..")
                folders.push_back(folder + e.name + u'\\');
        if (second && reorder && in.ConsumeBool()) std::reverse(folders.begin(), folders.end());
        if (second && reorder && !folders.empty() && in.ConsumeBool()) folders.pop_back();
        for (const auto& sub : folders) Walk(sub);
    }
};

void FuzzJournal(FuzzedDataProvider& in) {
    CMemoryFileSystem disk;
    // The drive's root holds folders only: a file needs a folder to be put in.
    disk.AddFolder(u"Z:\\top");
    std::vector<std::u16string> folders = {u"Z:\\top\\"};
    auto pick = [&] { return folders[in.ConsumeIntegralInRange<size_t>(0, folders.size() - 1)]; };
    auto node = [&](const std::u16string& f) {
        return disk.Find(f.size() > 3 ? f.substr(0, f.size() - 1) : f);
    };
    int crowd = 0;
    for (int ops = in.ConsumeIntegralInRange(0, 200); ops > 0 && in.remaining_bytes() > 0; --ops) {
        const std::u16string parent = pick();
        const std::u16string name =
            Units(in.ConsumeIntegralInRange<size_t>(1, 300), in.ConsumeIntegral<uint32_t>());
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
        case 1:
            if (std::count(parent.begin(), parent.end(), u'\\') < 6) {
                disk.AddFolder(parent + name);
                folders.push_back(parent + name + u'\\');
            }
            break;
        case 2:
            if (auto n = node(parent)) n->unlistable = true;
            break;
        case 3:
            if (auto n = node(parent)) n->failListingAfter = in.ConsumeIntegralInRange(0, 12);
            break;
        case 4: // a crowd of names of every length, so that the journal's chunks fill up
            for (int n = crowd++ < 2 ? in.ConsumeIntegralInRange(1, 4000) : 0; n > 0; --n)
                disk.AddFile(parent + name.substr(0, 1 + n * 7 % name.size()) + u'~' +
                                 Units(static_cast<size_t>(n % 5), static_cast<uint32_t>(n)),
                             {})
                    ->reportedSize = static_cast<uint64_t>(n) << (n % 40);
            break;
        default:
            disk.AddFile(parent + name, {}, in.ConsumeIntegral<uint32_t>())->reportedSize =
                in.ConsumeIntegral<uint64_t>();
            break;
        }
    }
    std::vector<std::u16string> roots;
    for (int n = in.ConsumeIntegralInRange(1, 3); n > 0; --n)
        roots.push_back(in.ConsumeBool() ? pick() : in.ConsumeBool() ? u"Z:\\" : u"Z:\\missing\\");

    disk.idsKnown = in.ConsumeBool();
    IFileSystem* slot = &disk;
    {
        CListingJournal journal(slot);
        Check(slot == &journal);
        JournalRun run(in, disk, slot, journal);
        for (const auto& root : roots) run.Walk(root);
        journal.StartPlayback();
        // Ids the file system gives from now on tell its listings from the journal's.
        disk.idsKnown = !disk.idsKnown;
        run.second = true;
        run.playing = run.recordedWhole;
        run.reorder = in.ConsumeBool();
        Check(journal.IsPlayingBack() == run.playing);
        for (const auto& root : roots) run.Walk(root);
    }
    Check(slot == &disk);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        FuzzPathPool(in);
    else
        FuzzJournal(in);
    return 0;
}
