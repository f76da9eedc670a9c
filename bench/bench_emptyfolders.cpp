// The empty-folder search over 20,000 empty folders, all of which it lists: 10,000 siblings in
// one folder and 1,000 chains of 10 nested folders. The folders live in a hashed table, so
// the figures are the search's own, not a file system's.
#include "core/app/CMainCommands.h"
#include "core/scan/ScanPathPool.h"
#include "core/window/CCommandWindow.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

std::u16string Named(std::u16string name, int n) {
    for (char c : std::to_string(n)) name += static_cast<char16_t>(c);
    return name;
}

class CTableFileSystem : public IFileSystem {
public:
    void AddFolder(const std::u16string& parent, const std::u16string& name) {
        folders[parent].push_back(DirEntry{name, FileAttributes::kDirectory, 0, 0, {}});
        folders[parent + name + u'\\'];
    }
    std::unique_ptr<IDirListing> List(std::u16string_view folder) override {
        auto it = folders.find(std::u16string(folder));
        if (it == folders.end()) return nullptr;
        return std::make_unique<CListing>(it->second);
    }
    std::optional<FileState> State(std::u16string_view) override { return std::nullopt; }
    std::unique_ptr<IReadableFile> OpenForReading(std::u16string_view) override { return nullptr; }

private:
    class CListing : public IDirListing {
    public:
        explicit CListing(const std::vector<DirEntry>& entries) : entries(entries) {}
        bool Next(DirEntry& entry) override {
            if (next == entries.size()) return false;
            entry = entries[next++];
            return true;
        }

    private:
        const std::vector<DirEntry>& entries;
        size_t next = 0;
    };
    std::unordered_map<std::u16string, std::vector<DirEntry>> folders;
};

// A window on the real clock that only counts how often it was asked to dispatch messages.
class CSilentWindow : public CCommandWindow {
public:
    std::u16string ItemText(int) const override { return {}; }
    void SetItemText(int, std::u16string_view) override {}
    bool IsItemEnabled(int) const override { return true; }
    void EnableItem(int, bool) override {}
    bool IsItemChecked(int) const override { return false; }
    void CheckItem(int, bool) override {}
    int SelectedIndex(int) const override { return 0; }
    void SelectIndex(int, int) override {}
    void SetButtonsEnabled(bool) override {}
    int ShowMessage(std::u16string_view, unsigned) override { return 1; }
    void PumpMessages() override { ++pumps; }
    void BringToFront() override {}
    void PostCommand(int) override {}
    void SetWaitCursor(bool) override {}
    void FocusItem(int) override {}
    void SetTopmost(bool) override {}
    IRecycleShell& RecycleShell() override { std::abort(); }
    bool ChooseSaveFile(std::u16string&) override { return false; }
    bool OpenPath(const std::u16string&) override { return false; }
    std::optional<std::u16string> BrowseForFolder(std::u16string_view, std::u16string_view,
                                                  std::u16string_view) override {
        return std::nullopt;
    }
    uint64_t Milliseconds() override {
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    long long pumps = 0;
};

const std::u16string kRoot = u"Z:\\b\\";

CTableFileSystem& Tree() {
    static CTableFileSystem tree = [] {
        CTableFileSystem t;
        t.AddFolder(kRoot, u"wide");
        for (int i = 0; i < 10000; ++i) t.AddFolder(kRoot + u"wide\\", Named(u"w", i));
        t.AddFolder(kRoot, u"deep");
        for (int i = 0; i < 1000; ++i) {
            std::u16string parent = kRoot + u"deep\\";
            for (int level = 0; level < 10; ++level) {
                const std::u16string name = Named(level == 0 ? u"c" : u"n", level == 0 ? i : level);
                t.AddFolder(parent, name);
                parent += name + u'\\';
            }
        }
        return t;
    }();
    return tree;
}

void BM_EmptyFolderSearch20000(benchmark::State& state) {
    CTableFileSystem& tree = Tree();
    long long rows = 0, pumps = 0;
    for (auto _ : state) {
        CSilentWindow window;
        CMainCommands commands(window, tree);
        commands.resultGrid.SetColumnCount(2);
        commands.folderGrid.SetColumnCount(1);
        commands.folderGrid.AppendRow();
        commands.folderGrid.SetCellText(0, 0, kRoot);
        commands.OnSearchEmptyFolders();
        rows = commands.resultGrid.RowCount();
        pumps = window.pumps;
        ScanPathPool().Clear();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["pumps"] = static_cast<double>(pumps);
}
BENCHMARK(BM_EmptyFolderSearch20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
