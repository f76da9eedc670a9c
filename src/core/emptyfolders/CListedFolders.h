#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_set>

// The folders the empty-folder search has listed so far, found by path in constant time. It
// holds the same paths as the right-hand labels of the search's rows, but as indices of their
// recorded paths in the scans' pool, so that a million folders cost a few bytes each.
class CListedFolders {
public:
    // The folder recorded with this path index (its path ends with a backslash) is listed.
    void Add(int32_t pathIndex) { listed.insert(pathIndex); }
    // Whether a folder with this path (no trailing backslash) is listed.
    bool Contains(std::u16string_view path) const { return listed.find(path) != listed.end(); }

private:
    // A recorded path as its label reads: without the trailing backslash.
    static std::u16string_view Label(int32_t pathIndex);

    struct Hash {
        using is_transparent = void;
        size_t operator()(std::u16string_view path) const {
            return std::hash<std::u16string_view>()(path);
        }
        size_t operator()(int32_t pathIndex) const { return (*this)(Label(pathIndex)); }
    };
    struct Equal {
        using is_transparent = void;
        template <class A, class B> bool operator()(const A& a, const B& b) const {
            return View(a) == View(b);
        }
        static std::u16string_view View(std::u16string_view path) { return path; }
        static std::u16string_view View(int32_t pathIndex) { return Label(pathIndex); }
    };

    std::unordered_set<int32_t, Hash, Equal> listed;
};
