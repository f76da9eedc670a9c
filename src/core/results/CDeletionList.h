#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The block the shell's delete operation reads: every path followed by its NUL, and one NUL
// more after the last. Its size is fixed when it is made, from a counting pass; a path that
// would not fit is refused rather than written past the end.
class CDeletionList {
public:
    // `units`: the sum over the counted paths of their length + 1.
    explicit CDeletionList(size_t units) : block(units + 1, u'\0') {}

    // Appends `path` and its NUL; false, and nothing written, when it does not fit.
    bool Append(std::u16string_view path);
    bool Empty() const { return used == 0; }
    // The paths written so far, each with its NUL, and the closing NUL.
    std::u16string_view Block() const { return {block.data(), used + 1}; }
    // The size the block was made with, in bytes.
    size_t ByteSize() const { return block.size() * sizeof(char16_t); }

private:
    std::vector<char16_t> block; // zero-filled, so the closing NUL is always there
    size_t used = 0;
};
