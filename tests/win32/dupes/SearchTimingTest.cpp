// Timings of the real window's search under the platform, on a tree named by
// CORVANE_TIME_TREE (a Unix folder); skipped without it. CORVANE_TIME_FLOOR=0 leaves out the
// floor, CORVANE_TIME_CRITERION picks the search, CORVANE_TIME_PAIRWISE=1 times the
// literal pairwise pass instead, CORVANE_TIME_STOP_AFTER=S presses Stop after S seconds,
// CORVANE_TIME_LOG=FILE (a Windows path) keeps the fields' texts with their times. Prints
// what each step costs; asserts nothing about speed.
#include "core/scan/ScanPathPool.h"
#include "core/text/DecimalText.h"
#include "core/text/Utf8.h"
#include "core/window/ControlIds.h"
#include "win32/app/CMainDialog.h"
#include "win32/platform/CWin32FileSystem.h"
#include "win32/platform/WinString.h"
#include "win32/results/CBoxAnswerer.h"
#include "win32/results/WineFiles.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

double Between(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER rate;
    QueryPerformanceFrequency(&rate);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(rate.QuadPart);
}

double Seconds(LARGE_INTEGER from) { return Between(from, Now()); }

// The three longest gaps between times in order, each with the index of the time that ends it.
std::vector<std::pair<double, size_t>> LongestGaps(const std::vector<LARGE_INTEGER>& at) {
    std::vector<std::pair<double, size_t>> gaps;
    for (size_t i = 1; i < at.size(); ++i) gaps.emplace_back(Between(at[i - 1], at[i]), i);
    std::sort(gaps.rbegin(), gaps.rend());
    gaps.resize(std::min<size_t>(3, gaps.size()));
    return gaps;
}

void PerOpen(IFileSystem& fs, const std::vector<std::u16string>& paths);
void PerQuery(const std::vector<std::u16string>& paths);

// One walk through the file-system seam, then one open and first block of every file whose
// size another shares: what no search by content can do without.
void Floor(IFileSystem& fs, const std::u16string& root) {
    std::map<uint64_t, std::vector<std::u16string>> bySize;
    std::vector<std::u16string> folders{root + u"\\"};
    size_t walked = 0;
    const LARGE_INTEGER walkStart = Now();
    while (!folders.empty()) {
        const std::u16string folder = folders.back();
        folders.pop_back();
        auto listing = fs.List(folder);
        DirEntry e;
        while (listing && listing->Next(e)) {
            if (e.name == u"." || e.name == u"..") continue;
            if (e.IsFolder())
                folders.push_back(folder + e.name + u"\\");
            else if (++walked; e.sizeHigh || e.sizeLow)
                bySize[(uint64_t{e.sizeHigh} << 32) | e.sizeLow].push_back(folder + e.name);
        }
    }
    const double walk = Seconds(walkStart);
    const LARGE_INTEGER start = Now();
    std::vector<char> block(65536);
    size_t opened = 0;
    for (auto& [size, paths] : bySize) {
        if (paths.size() < 2) continue;
        for (auto& p : paths)
            if (auto f = fs.OpenForReading(p)) {
                ++opened;
                f->Read(block.data(), 65536);
            }
    }
    std::printf("floor: %zu files walked in %.2f s, %zu opened with their first block in %.2f s\n",
                walked, walk, opened, Seconds(start));
    std::vector<std::u16string> sample;
    for (auto& [size, paths] : bySize)
        for (auto& p : paths)
            if (sample.size() < 2000) sample.push_back(p);
    PerOpen(fs, sample);
    PerQuery(sample);

    // The same, and then the whole of every file whose first block another of its size shares
    // (read on from where it stands, so nothing is opened twice): all a search by content must
    // read.
    const LARGE_INTEGER wholeStart = Now();
    uint64_t bytes = 0;
    for (auto& [size, paths] : bySize) {
        if (paths.size() < 2) continue;
        std::vector<std::unique_ptr<IReadableFile>> files;
        std::map<std::string, std::vector<size_t>> byFirst;
        for (auto& p : paths)
            if (auto f = fs.OpenForReading(p)) {
                const int64_t n = f->Read(block.data(), 65536);
                if (n <= 0) continue;
                bytes += static_cast<uint64_t>(n);
                byFirst[std::string(block.data(), static_cast<size_t>(n))].push_back(files.size());
                files.push_back(std::move(f));
            }
        for (auto& [first, same] : byFirst) {
            if (same.size() < 2) continue;
            for (size_t m : same)
                for (int64_t n; (n = files[m]->Read(block.data(), 65536)) > 0;)
                    bytes += static_cast<uint64_t>(n);
        }
    }
    std::printf("floor with the whole of files whose first blocks match: %.2f s after the walk, "
                "%llu bytes read\n",
                Seconds(wholeStart), static_cast<unsigned long long>(bytes));
}

// What each step of opening a file for the content pass costs, per file, on the first 2,000
// files of the tree: the open and close alone, then with the type check, the state query and
// the first block that the listed-file check and the grouper add.
void PerOpen(IFileSystem& fs, const std::vector<std::u16string>& paths) {
    std::vector<char> block(65536);
    const char* steps[] = {"open+close", "+type", "+state", "+first block", "without type"};
    // Three rounds, so that the spread between rounds shows how far to trust a difference.
    for (int round = 0; round < 3; ++round)
        for (int step = 0; step < 5; ++step) {
            const LARGE_INTEGER start = Now();
            for (const std::u16string& p : paths) {
                auto f = fs.OpenForReading(p);
                if (!f) continue;
                if (step >= 1 && step != 4) f->IsDiskFile();
                if (step >= 2) f->State();
                if (step >= 3) f->Read(block.data(), 65536);
            }
            std::printf("per file, %s: %.1f us\n", steps[step],
                        Seconds(start) * 1e6 / static_cast<double>(paths.size()));
        }
}

// What one query of an open file costs beside its open and close, query by query: which of
// them Wine answers from the file's descriptor and which need a round trip to its server.
void PerQuery(const std::vector<std::u16string>& paths) {
    using QueryFile = LONG(WINAPI*)(HANDLE, void*, void*, ULONG, int);
    static const auto query = reinterpret_cast<QueryFile>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    struct Step {
        const char* name;
        std::vector<int> classes; // 0 stands for GetFileType
    };
    const Step steps[] = {{"nothing", {}},
                          {"GetFileType", {0}},
                          {"internal", {6}},
                          {"network open", {34}},
                          {"basic", {4}},
                          {"standard", {5}},
                          {"all", {18}},
                          {"id", {59}},
                          {"stat", {68}},
                          {"type, internal, network open", {0, 6, 34}},
                          {"type, internal, standard, basic", {0, 6, 5, 4}}};
    unsigned char buffer[4096];
    ULONG_PTR io[2];
    // Three rounds, so that the spread between rounds shows how far to trust a difference.
    for (int round = 0; round < 3; ++round)
        for (const Step& step : steps) {
            const LARGE_INTEGER start = Now();
            int failed = 0;
            for (const std::u16string& p : paths) {
                HANDLE h = CreateFileW(W(p), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
                if (h == INVALID_HANDLE_VALUE) continue;
                for (const int infoClass : step.classes)
                    if (infoClass == 0)
                        GetFileType(h);
                    else
                        failed += query(h, io, buffer, sizeof buffer, infoClass) != 0;
                CloseHandle(h);
            }
            std::printf("per file, open, %s, close: %.1f us (%d failed)\n", step.name,
                        Seconds(start) * 1e6 / static_cast<double>(paths.size()), failed);
        }
}

// When the examined counter or the status line last changed, and to what: the longest time
// either stays still during a search is what a user waits without a sign of life.
struct FieldChange {
    LARGE_INTEGER at;
    int id;
    std::wstring text;
};
std::vector<FieldChange>* recorded = nullptr;

LRESULT CALLBACK RecordText(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (m == WM_SETTEXT && recorded && l)
        recorded->push_back({Now(), GetDlgCtrlID(h), reinterpret_cast<const wchar_t*>(l)});
    return DefSubclassProc(h, m, w, l);
}

// When the window last dispatched a message: a timer every 10 ms is handled only where the
// search lets the queue be emptied, which is also where Stop is heard.
std::vector<LARGE_INTEGER>* ticks = nullptr;

void CALLBACK RecordTick(HWND, UINT, UINT_PTR, DWORD) {
    if (ticks) ticks->push_back(Now());
}

// The longest times the queue stood still, with what the status line read when each began.
void PrintLongestDeafness(const std::vector<LARGE_INTEGER>& at,
                          const std::vector<FieldChange>& changes, LARGE_INTEGER start) {
    for (const auto& [gap, end] : LongestGaps(at)) {
        const LARGE_INTEGER from = at[end - 1];
        std::wstring status;
        for (const FieldChange& c : changes)
            if (c.id == IDC_STATUS && c.at.QuadPart <= from.QuadPart) status = c.text;
        std::printf("queue still for %.2f s from %.2f s, the status line reading \"%s\"\n", gap,
                    Between(start, from), Utf8FromUtf16(U16(status)).c_str());
    }
}

void PrintLongestStills(const std::vector<FieldChange>& changes) {
    for (int id : {IDC_EXAMINED, IDC_STATUS}) {
        std::vector<const FieldChange*> field;
        std::vector<LARGE_INTEGER> at;
        for (const FieldChange& c : changes)
            if (c.id == id) {
                field.push_back(&c);
                at.push_back(c.at);
            }
        for (const auto& [gap, end] : LongestGaps(at))
            std::printf("field %d still for %.2f s before it read \"%s\"\n", id, gap,
                        Utf8FromUtf16(U16(field[end]->text)).c_str());
    }
}

TEST(SearchTiming, TheRealWindowOnATree) {
    const std::string tree = EnvironmentValue("CORVANE_TIME_TREE");
    if (tree.empty()) GTEST_SKIP() << "CORVANE_TIME_TREE names no tree";
    const std::u16string root = U16(DosPath(tree));

    CMainDialog d;
    ASSERT_NE(d.Create(nullptr), nullptr);
    ShowWindow(d.Handle(), SW_SHOW);
    CMainCommands& c = d.Commands();

    // What the per-file updates of the window cost, one kind at a time.
    constexpr int kCalls = 2000;
    const std::u16string path = root + u"\\some\\folder\\file000123.bin";
    LARGE_INTEGER t = Now();
    for (int i = 0; i < kCalls; ++i) d.SetItemText(IDC_STATUS, path);
    const double status = Seconds(t) / kCalls;
    t = Now();
    for (int i = 0; i < kCalls; ++i) d.SetItemText(IDC_EXAMINED, DecimalText(i));
    const double counter = Seconds(t) / kCalls;
    t = Now();
    for (int i = 0; i < kCalls; ++i) d.PumpMessages();
    const double pump = Seconds(t) / kCalls;
    std::printf("per call: status line %.1f us, counter %.1f us, pump %.1f us\n", status * 1e6,
                counter * 1e6, pump * 1e6);

    CWin32FileSystem fs;
    if (EnvironmentValue("CORVANE_TIME_FLOOR") != "0") Floor(fs, root);

    c.pairwiseContent = EnvironmentValue("CORVANE_TIME_PAIRWISE") == "1" ? 1 : 0;
    const std::string criterion = EnvironmentValue("CORVANE_TIME_CRITERION");
    SendDlgItemMessageW(d.Handle(), IDC_CRITERION, CB_SETCURSEL,
                        criterion.empty() ? 0 : std::stoi(criterion), 0);
    std::vector<FieldChange> changes;
    recorded = &changes;
    for (int id : {IDC_EXAMINED, IDC_STATUS, IDC_TOTAL})
        SetWindowSubclass(GetDlgItem(d.Handle(), id), RecordText, 0x7157, 0);
    c.folderGrid.AppendRow();
    c.folderGrid.SetCellText(0, 0, root);
    SendDlgItemMessageW(d.Handle(), IDC_CHECK_EMPTY, BM_SETCHECK, BST_UNCHECKED, 0);
    std::vector<LARGE_INTEGER> dispatched;
    ticks = &dispatched;
    SetTimer(d.Handle(), 0x7158, 10, RecordTick);
    // CORVANE_TIME_STOP_AFTER=S presses Stop S seconds into the search, from another thread as
    // a user's click would come.
    const std::string stopAfter = EnvironmentValue("CORVANE_TIME_STOP_AFTER");
    struct Press {
        HWND window;
        DWORD delayMs;
        LARGE_INTEGER at;
    } press{
        d.Handle(), stopAfter.empty() ? 0 : static_cast<DWORD>(std::stod(stopAfter) * 1000), {}};
    HANDLE presser = nullptr;
    t = Now();
    if (!stopAfter.empty())
        presser = CreateThread(
            nullptr, 0,
            [](void* p) -> DWORD {
                auto* press = static_cast<Press*>(p);
                Sleep(press->delayMs);
                press->at = Now();
                PostMessageW(press->window, WM_COMMAND, MAKEWPARAM(IDC_FIND_DUPLICATES, BN_CLICKED),
                             0);
                return 0;
            },
            &press, 0, nullptr);
    {
        CBoxAnswerer answerer(d.Handle(), {IDOK});
        SendMessageW(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_FIND_DUPLICATES, BN_CLICKED), 0);
    }
    const LARGE_INTEGER ended = Now();
    std::printf("search (%s): %.2f s, %d rows, %u files\n",
                c.pairwiseContent ? "pairwise" : "read once", Seconds(t), c.resultGrid.RowCount(),
                c.fileTable.fileCount);
    if (presser) {
        WaitForSingleObject(presser, INFINITE);
        CloseHandle(presser);
        std::printf("stop pressed at %.2f s; the search ended %.2f s later\n", Between(t, press.at),
                    Between(press.at, ended));
    }
    KillTimer(d.Handle(), 0x7158);
    ticks = nullptr;
    recorded = nullptr;
    PrintLongestStills(changes);
    PrintLongestDeafness(dispatched, changes, t);
    // CORVANE_TIME_LOG=FILE keeps every text the fields were given, with its time, to read
    // the phases off.
    if (const std::string log = EnvironmentValue("CORVANE_TIME_LOG"); !log.empty())
        if (FILE* out = std::fopen(log.c_str(), "w")) {
            for (const FieldChange& change : changes)
                std::fprintf(out, "%.3f %d %s\n", Between(t, change.at), change.id,
                             Utf8FromUtf16(U16(change.text)).c_str());
            std::fclose(out);
        }
    DestroyWindow(d.Handle());
    ScanPathPool().Clear();
}

} // namespace
