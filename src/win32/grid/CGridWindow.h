#pragma once

#include "core/grid/CGridCtrl.h"
#include "win32/grid/CHintWindow.h"

#include <windows.h>

// Shows a CGridCtrl in a dialog's frame control and forwards the mouse, keys and scroll bars
// to it. The frame becomes the grid window; it holds the cell area (id 1), the top and side
// headings (2, 3), the corner (4), an unused tab bar (5) and the two scroll bars (6, 7).
// The windows belong to the dialog; this object only subclasses and paints them, and lets go
// of them when the frame is destroyed or this object goes away, whichever comes first.
class CGridWindow : public IGridView {
public:
    enum : int { kCellsId = 1, kTopId, kSideId, kCornerId, kTabBarId, kVScrollId, kHScrollId };

    CGridWindow() = default;
    ~CGridWindow();
    CGridWindow(const CGridWindow&) = delete;
    CGridWindow& operator=(const CGridWindow&) = delete;

    // Takes over control `controlId` of `dialog`, builds the component windows and raises
    // the grid's SetupHook. False when there is no such control or a window cannot be made.
    bool AttachToControl(CGridCtrl& grid, HWND dialog, int controlId);

    HWND Handle() const { return frame; }
    HWND Part(GridPart part) const;
    HWND CellArea() const { return Part(GridPart::Cells); }
    HWND ScrollBar(bool vertical) const { return vertical ? vScroll : hScroll; }
    HWND ToolTip() const { return toolTip; }

    // Paints one part into a device context, as its WM_PAINT does.
    void PaintPart(GridPart part, HDC dc, const RECT& area) const;
    // Brings the scroll bars up to date at once instead of at the next message.
    void UpdateScrollBars();

    void InvalidatePart(GridPart part, const GridRect* area) override;
    void ScrollRangeChanged() override;
    void ViewMoved() override;

private:
    static constexpr UINT kUpdateScrollMessage = WM_APP + 0x47;
    static constexpr UINT_PTR kScrollTimerId = 0x47;
    static constexpr uint64_t kRangeEveryMs = 250;

    static LRESULT CALLBACK FrameProc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR id,
                                      DWORD_PTR self);
    static LRESULT CALLBACK PartProc(HWND h, UINT m, WPARAM w, LPARAM l);
    static bool RegisterPartClass();

    bool CreateParts();
    void CreateToolTip();
    void Detach();
    void Layout();
    LRESULT OnFrameMessage(UINT m, WPARAM w, LPARAM l);
    LRESULT OnPartMessage(HWND h, GridPart part, UINT m, WPARAM w, LPARAM l);
    LRESULT OnCellsMessage(HWND h, UINT m, WPARAM w, LPARAM l);
    LRESULT OnTopHeadingMessage(HWND h, UINT m, WPARAM w, LPARAM l);
    void OnScroll(bool vertical, int code);
    void OnScrollUpdateDue();
    SCROLLINFO VerticalInfo() const;
    LRESULT OnToolTipText(NMHDR* header);
    void TrackHint(GridPoint point);
    void Paint(HWND h, GridPart part);

    CGridCtrl* grid = nullptr;
    HWND frame = nullptr;
    HWND parts[4] = {};
    HWND tabBar = nullptr;
    HWND vScroll = nullptr;
    HWND hScroll = nullptr;
    HWND toolTip = nullptr;
    CHintWindow hintWindow;
    bool scrollUpdatePending = false;
    uint64_t rangeShownAt = 0; // when the vertical bar's range last changed
    int dragColumn = -1;
    int dragLeft = 0;
    int hintColumn = -1;
    int hintRow = -1;
};
