#pragma once
// The Install button: ask where, install the chosen type inside a busy
// window, then tell the user how it ended.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "payload/extract_win32.h"
#include "shared/install_request.h"
#include "win/message_box_win32.h"

namespace install {

// What the installers start from besides the request. The main window gives
// the product name and the setup folder; an empty archive source and shell
// lookup take the production defaults (this program's archive, the shell's
// folders), and tests set their own.
struct InstallContext {
    std::string productName;  // names the product's shortcuts
    std::string setupFolder;  // holds the supplied folders; ends in a backslash
    payload::ExtractSource extractSource;
    std::function<std::optional<std::string>(int csidl)> shellFolder;
};

// The installer of the request's type, run on the real system.
shared::InstallOutcome RunInstaller(const shared::InstallRequest& request, const InstallContext& context);

// The path dialog over the main window; on OK the installer inside a busy
// window, then its success or its message through show.
void RunInstallCommand(HWND mainWindow, shared::InstallType type, shared::LanguageIndex language,
                       const InstallContext& context, const win::MessageSink& show);

}  // namespace install
