#pragma once

#include "core/platform/IRecycleShell.h"

#include <windows.h>

#include <shellapi.h>

// The recycle bin through the shell's file operation. The operation asks nothing and shows
// no error box of its own, but it does warn before anything would be destroyed for good
// (a folder on a drive without a recycle bin, a full or missing bin): silence there would
// lose the user's files.
class CWin32RecycleShell : public IRecycleShell {
public:
    static constexpr FILEOP_FLAGS kFlags =
        FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI | FOF_WANTNUKEWARNING;

    // `owner` is read at each operation: the window may not exist yet when this is made.
    explicit CWin32RecycleShell(const HWND& owner) : owner(owner) {}

    Probe Examine(const std::u16string& path) override;
    Outcome Recycle(std::u16string_view list) override;

private:
    const HWND& owner;
};
