#pragma once

#include "win32/about/CLinkLabel.h"
#include "win32/app/CDialogBase.h"

// The about box: name and version, a credit, the terms of use, and two links to the maker,
// by e-mail and to the home page. Built for one showing and destroyed after it, so its links
// always start unvisited.
class CAboutDialog : public CDialogBase {
public:
    CAboutDialog();

    CLinkLabel& EmailLink() { return emailLink; }
    CLinkLabel& HomePageLink() { return homePageLink; }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL OnInitDialog();

    CLinkLabel emailLink;
    CLinkLabel homePageLink;
};
