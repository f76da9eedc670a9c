#pragma once

#include "win32/platform/CSubclassedWindow.h"
#include "win32/platform/CUnique.h"

#include <cstdint>
#include <string>

inline void CloseCursor(HCURSOR c) { DestroyCursor(c); }
// A window that may already have gone with its owner.
inline void CloseWindowIfAlive(HWND w) {
    if (IsWindow(w)) DestroyWindow(w);
}
using CCursorHandle = CUnique<HCURSOR, CloseCursor>;
using COwnedWindow = CUnique<HWND, CloseWindowIfAlive>;

// A static control that behaves like a link: it reports clicks, shows the hand pointer and a
// tooltip, and holds the mouse capture while the pointer is over it, so that it notices the
// pointer leaving. The cursor and the tooltip belong to this object.
class CHoverStatic : public CSubclassedWindow {
public:
    int32_t over = 0; // 1 exactly while the control holds the mouse capture

    // A message its parent received: a click on this control or its colour request, which a
    // static control sends to its parent, come back here. True when it was one of them, with
    // the dialog procedure's answer in `result`.
    bool OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    HCURSOR Cursor() const { return cursor.Get(); }
    HWND ToolTip() const { return toolTip.Get(); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnClicked() = 0;
    // The text colour and background brush of the control; false leaves the platform's own.
    virtual bool OnColourRequest(HDC, INT_PTR&) { return false; }

    void AddNotifyStyle();
    void LoadHandCursor();
    // The tooltip with its one tool (identifier 1) over the client area.
    void CreateToolTip(const std::u16string& text);
    void SetToolTipText(const std::u16string& text);
    void RedrawNow();
    // The pointer left the control, or the capture went elsewhere: unlit, capture released.
    void Leave();

private:
    void OnPointerMove(LPARAM lParam);

    CCursorHandle cursor;
    COwnedWindow toolTip;
};
