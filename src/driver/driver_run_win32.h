#pragma once
// The driver installation inside the progress window: both driver folders
// written out below the system folder, the files staged, the serial-port
// installer run while the bar moves, the USB driver installer started, and
// the serial-port sources deleted again.
#include "driver/driver_environment_win32.h"

namespace driver {

class DriverProgressDialog;

// The window exists (or could not be made); its callbacks pace the bar. A
// file-layer error of the extraction passes through (win::FileError).
void RunDriverInstall(const DriverProgressDialog& dialog, const DriverEnvironment& environment);

}  // namespace driver
