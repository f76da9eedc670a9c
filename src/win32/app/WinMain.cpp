#include "win32/app/CMainApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CMainApp app;
    return app.Run();
}
