#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The strings of a grid's stored cells, packed one after another in large blocks, so that a
// label costs its units and a few bytes instead of a heap string of its own. A string of up to
// four units lives in its reference. A string the same as one of the last few added is kept
// once: the rows of one anchor all start with its path.
//
// Strings are never freed one by one. Released units are counted, and the owner compacts the
// arena (handing in every live reference) when they outweigh what is live.
class CStringArena {
public:
    struct Place {
        uint32_t block;
        uint32_t offset;
    };
    struct Ref {
        uint32_t length = 0;
        union {
            Place at;
            char16_t units[4] = {};
        };
        bool Inline() const { return length <= 4; }
    };

    Ref Add(std::u16string_view text);
    // Valid while `ref` and the arena stay unchanged.
    std::u16string_view View(const Ref& ref) const;
    void Release(const Ref& ref);
    bool WantsCompaction() const;
    // Copies the strings of `live` into fresh blocks, keeping shared ones shared, and drops the
    // rest.
    void Compact(const std::vector<Ref*>& live);
    void Clear();

private:
    struct Block {
        std::unique_ptr<char16_t[]> units;
        uint32_t size = 0;
        uint32_t used = 0;
    };
    static constexpr uint32_t kBlockUnits = 1u << 19;
    static constexpr size_t kRecent = 2;

    Place Allocate(std::u16string_view text);

    std::vector<Block> blocks;
    Ref recent[kRecent];
    size_t nextRecent = 0;
    uint64_t held = 0;     // units in blocks
    uint64_t released = 0; // of those, units no cell may still use
};
