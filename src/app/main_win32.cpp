#include <windows.h>

#include "app/startup_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return app::RunSetupProgram(); }
