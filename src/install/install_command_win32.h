#pragma once
// The Install button: ask where, install the chosen type inside a busy
// window, then tell the user whether it worked.
#include <functional>
#include <optional>
#include <string>

#include "install/plan_executor_win32.h"

namespace app {
class MainDialog;
}

namespace install {

// Where an installation reads from and reports to. Empty fields take the
// production defaults (message boxes owned by the main window, this program's
// archive and folder, the shell's folders); tests set their own.
struct InstallEnvironment {
    MessageSink showMessage;
    payload::ExtractSource extractSource;
    std::string setupFolder;
    std::function<std::optional<std::string>(int csidl)> shellFolder;
};

void RunInstallCommand(app::MainDialog& main);

// The busy window's task: the installer of the Type list's row.
void RunInstallWorker(app::MainDialog& main);

}  // namespace install
