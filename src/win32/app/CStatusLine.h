#pragma once

#include "win32/platform/CSubclassedWindow.h"

#include <cstdint>

// The status line: repaints itself the moment its text changes, so progress shows while a
// long command keeps the thread busy; "&" shows as itself; a long text is shortened in the
// middle (path ellipsis, the file name stays visible) or at its end.
class CStatusLine : public CSubclassedWindow {
public:
    explicit CStatusLine(uint32_t drawFlags = DT_NOPREFIX | DT_VCENTER) : drawFlags(drawFlags) {}

    void SetEllipsisMode(int32_t mode) { ellipsisMode = mode; }
    // The flags the text is drawn with.
    UINT TextFlags() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    int32_t ellipsisMode = 0;
    uint32_t drawFlags;
};
