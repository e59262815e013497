#pragma once
// What the driver installation reads from the system and where it reports.
// Empty fields take the production defaults; tests set their own.
#include <functional>
#include <optional>
#include <string>

#include "driver/driver_staging.h"
#include "payload/extract_win32.h"
#include "win/message_box_win32.h"

namespace driver {

struct SystemFacts {
    std::function<std::optional<std::string>()> systemFolder;       // the system folder, no backslash at its end
    std::function<std::optional<WindowsVersion>()> windowsVersion;  // nothing when the query fails
    std::function<bool()> is64Bit;                                  // running on 64-bit Windows
    std::function<bool()> systemFolderRedirected;                   // a 32-bit program there
};

// Every empty fact asks the system: GetSystemDirectoryA, GetVersionExA, the WOW64 tests.
SystemFacts Completed(SystemFacts facts);


struct DriverEnvironment {
    SystemFacts systemFacts;
    payload::ExtractSource extractSource;  // default: this program's own archive
    win::MessageSink showMessage;               // default: the standard message box over the main window
};

}  // namespace driver
