#pragma once

namespace app {

// Start-up: hardens DLL loading, reads SetupCfg.ini beside the executable,
// and runs the main window until it closes. Returns the process exit code.
int RunSetupProgram();

// Restricts DLL loading to the system folder where the system offers that.
void RestrictDllSearchToSystemFolder();

}  // namespace app
