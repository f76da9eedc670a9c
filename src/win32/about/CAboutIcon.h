#pragma once

#include "win32/about/CHoverStatic.h"

// The program icon of the main window, which opens the about box when clicked.
class CAboutIcon : public CHoverStatic {
public:
    // Takes over control `id` of the main window `dialog`; the tooltip names its title.
    bool Attach(HWND dialog, int id);

protected:
    void OnClicked() override;
};
