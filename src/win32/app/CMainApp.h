#pragma once

#include <windows.h>

// The application: prepares the natural order, runs the main dialog modally, and ends.
class CMainApp {
public:
    int Run();
};
