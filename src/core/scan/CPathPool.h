#pragma once

#include <cstdint>

// A pool of NUL-terminated UTF-16 strings addressed by 1-based index; 0 means no string.
// Strings are only ever removed all at once. Indices stay valid across growth (entries are
// offsets into the text block); a pointer from Get stays valid until the next Add or Clear.
class CPathPool {
public:
    static constexpr int32_t kNoString = 0;
    static constexpr int32_t kNoMemory = -1;
    static constexpr int32_t kTooLong = -2;
    static constexpr uint32_t kMaxLength = 4094; // characters, terminator not counted

    CPathPool() = default;
    ~CPathPool() { Clear(); }
    CPathPool(const CPathPool&) = delete;
    CPathPool& operator=(const CPathPool&) = delete;

    // Stores a copy of `s` and returns its index, or 0 for no string, -1 when memory cannot
    // be had, -2 for a string of more than kMaxLength characters. Nothing is stored on failure.
    int32_t Add(const char16_t* s);
    // The string with `index`, or nullptr for 0, -1, -2 and any index beyond the count.
    const char16_t* Get(int32_t index) const;
    void Clear();

    uint32_t Count() const { return count; }

private:
    char16_t* text = nullptr; // every string with its terminator, in the order of storing
    uint32_t textUsed = 0;
    uint32_t textCapacity = 0;
    uint32_t* entries = nullptr; // entries[i - 1] is the offset of string i
    uint32_t count = 0;
    uint32_t entryCapacity = 0;
};
