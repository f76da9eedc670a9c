#pragma once

#include "core/platform/IRecycleShell.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Which ticked paths may go to the shell. The shell's recycle operation silently destroys
// what it cannot recycle, acts on a link's target, stops at the first item it cannot find
// and misreads very long lists, so only what it can recycle safely is handed over: a full
// path below a drive or share root, shorter than MAX_PATH, without wildcards, not a link,
// each item once, and nothing inside a folder that goes as well. The rest is left alone.
class CDeletionPlan {
public:
    static constexpr size_t kMaxPath = 260;

    // Whether `path` is, by its spelling alone, one the shell may be given.
    static bool IsSafeSpelling(std::u16string_view path);
    // Whether `path` starts at a drive or share root: only then does it name one thing.
    static bool HasRoot(std::u16string_view path);
    // What two spellings of one item have in common: letters folded, as the platform's file
    // names are case-insensitive, and no trailing separator.
    static std::u16string Key(std::u16string_view path);

    // A ticked path that is left alone whatever it names.
    void Refuse(std::u16string_view path);
    // A ticked path left alone because it is no longer what the search found.
    void Hold(std::u16string_view path);
    // A ticked path and what it names now; a path that names nothing is passed over.
    void Add(const std::u16string& path, const IRecycleShell::Probe& probe);

    // The paths to hand over, in the order they were added, without those that go with a
    // folder of the list.
    std::vector<std::u16string> HandOver() const;
    // Every path added, once, to see afterwards which of them are still there.
    const std::vector<std::u16string>& Items() const { return added; }
    size_t RefusedCount() const { return refused.size(); }
    size_t HeldCount() const { return held.size(); }

private:
    struct Item {
        std::u16string path;
        std::u16string key;
    };
    bool InsideListedFolder(const std::u16string& key) const;

    std::vector<Item> items;
    std::vector<std::u16string> added;
    std::unordered_set<std::u16string> exact;
    std::unordered_set<std::u16string> seen;
    std::unordered_set<std::u16string> folders;
    std::unordered_set<std::u16string> refused;
    std::unordered_set<std::u16string> held;
};
