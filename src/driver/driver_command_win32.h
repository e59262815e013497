#pragma once
// The USB-driver buttons: the driver installation inside a progress window
// centred on the main window, its caption in the user's language.
#include <windows.h>

#include "driver/driver_environment_win32.h"
#include "driver/driver_progress.h"
#include "shared/language.h"

namespace driver {

void RunDriverCommand(HWND mainWindow, shared::LanguageIndex language, const DriverEnvironment& environment = {});

// Busy-waits shortest..longest ms, the length drawn from the C runtime's
// generator, which the program never seeds: every run pauses the same series.
void SpinProgressPause(const ProgressPacing& pacing);

}  // namespace driver
