#pragma once

// Resource and control ids of the about box. Plain macros, because the resource compiler
// reads this file too.

#define IDD_ABOUT 100
#define IDC_LINK_HAND 109
#define IDC_ABOUT_CREDIT 118
#define IDC_HOME_LINK 1007
#define IDC_EMAIL_LINK 1008
#define IDC_ABOUT_NAME 1038
