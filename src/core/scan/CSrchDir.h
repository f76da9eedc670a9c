#pragma once

#include "core/platform/IFileSystem.h"
#include "core/scan/IScanProgress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A counting walk entered `path` (ending with a backslash): the status line follows it at the
// progress's pace, so that counting a large tree shows where it is.
void ShowCounting(IScanProgress& progress, std::u16string_view path);

// Walks a folder tree depth first: a folder's own files first, then each sub-folder in the
// file system's order, entered and left through hooks. The walk keeps its own stack, so no
// depth of folders can exhaust the thread's.
class CSrchDir {
public:
    // Paths are built in buffers of this many UTF-16 units, terminator included; a path that
    // would not fit is passed over, never cut.
    static constexpr size_t kPathBuffer = 2048;

    CSrchDir(IFileSystem& fileSystem, IScanProgress& progress)
        : fileSystem(fileSystem), progress(progress) {}
    virtual ~CSrchDir() = default;
    CSrchDir(const CSrchDir&) = delete;
    CSrchDir& operator=(const CSrchDir&) = delete;

    void Prepare();
    // Walks the tree below `root`; a missing or empty root does nothing.
    void Walk(std::u16string_view root);

    int32_t stopWalk = 0;
    int32_t recurse = 0;

protected:
    virtual void OnFile(const std::u16string& /*path*/, const DirEntry& /*entry*/) {}
    // `path` ends with a backslash.
    virtual void OnEnterFolder(const std::u16string& /*path*/, const DirEntry& /*entry*/) {}
    virtual void OnLeaveFolder(const std::u16string& /*path*/, const DirEntry& /*entry*/) {}
    // Answers whether the user asked to stop, keeping the window alive.
    bool StopQuery() { return progress.ShouldStop(); }

    IFileSystem& fileSystem;
    IScanProgress& progress;

private:
    struct Frame {
        std::u16string path; // ends with a backslash
        DirEntry entry;      // the entry that led here (none for the root)
        std::vector<DirEntry> folders;
        size_t next = 0;
        std::optional<FileId> id;
        bool idAsked = false;
    };

    // Visits the files of the frame's folder and keeps its sub-folders for later.
    void ListFolder(Frame& frame);
    // A link back to the root or a folder above it would walk the same files again and again.
    bool LeadsBackUp(const std::u16string& linkPath);

    std::vector<Frame> stack;
};
