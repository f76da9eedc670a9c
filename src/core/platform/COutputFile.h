#pragma once

#include <cstddef>
#include <string>

// A file the program writes from start to end (the exported list). The platform's file lives
// behind it in the program; tests put one there that fails wherever they want.
class COutputFile {
public:
    virtual ~COutputFile() = default;

    // Creates the file, or empties it when it exists. False when it cannot be opened so.
    virtual bool Create(const std::u16string& path) = 0;
    // False unless every byte was written.
    virtual bool Write(const void* bytes, size_t size) = 0;
    // False when the file could not be completed; the file is closed either way.
    virtual bool Close() = 0;
};
