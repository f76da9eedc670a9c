#pragma once

// Resource and control ids of the main window. Plain macros, because the resource compiler
// reads this file too.

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDI_CORVANE 2
#define IDD_MAIN 102

#define IDC_STATUS 1012
#define IDC_EXAMINED 1019
#define IDC_DUPLICATES 1020
#define IDC_EMPTY 1021
#define IDC_ADD_FOLDER 1003
#define IDC_REMOVE_FOLDER 1004
#define IDC_NEW_LIST 1005
#define IDC_ABOUT_ICON 1024
#define IDC_RESULT_FRAME 1025
#define IDC_DELETE_FILES 1026
#define IDC_TICK_RIGHT 1027
#define IDC_CLEAR_TICKS 1028
#define IDC_CHECK_EMPTY 1029
#define IDC_DELETE_FOLDERS 1030
#define IDC_EXAMINED_LABEL 1031
#define IDC_DUPLICATES_LABEL 1032
#define IDC_FOLDER_FRAME 1033
#define IDC_FIND_EMPTY_FOLDERS 1034
#define IDC_EMPTY_LABEL 1035
#define IDC_EXPORT 1036
#define IDC_TOTAL 1039
#define IDC_CLEAR_LIST 1040
#define IDC_MOVE_UP 1041
#define IDC_MOVE_DOWN 1042
#define IDC_CRITERION 1043

// The main button is the dialog's OK command, Esc and the close box its Cancel command.
#define IDC_FIND_DUPLICATES 1
