#pragma once

#include <string>
#include <string_view>

// What deleting needs of the platform: what a path names, and one recycle-bin operation over
// a whole list. The real one asks the shell; tests hand in a scripted one and read back the
// exact list they were given.
class IRecycleShell {
public:
    enum class Kind { kMissing, kFile, kFolder };
    struct Probe {
        Kind kind = Kind::kMissing;
        // A symbolic link, junction or other reparse point: the shell may act on its target.
        bool link = false;
    };
    struct Outcome {
        int result = 0;       // the platform's own result code, 0 for success
        bool aborted = false; // the user (or the platform) stopped part of the operation
    };

    virtual ~IRecycleShell() = default;

    virtual Probe Examine(const std::u16string& path) = 0;
    // `list` holds every path with its NUL and one NUL more at the end; sends them to the
    // recycle bin in one operation and never destroys an item for good without asking.
    virtual Outcome Recycle(std::u16string_view list) = 0;
};
