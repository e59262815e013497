#pragma once
// Places the driver files for the running Windows version and bitness below
// the Windows folder. Silent: a copy that fails is skipped.
#include <optional>
#include <string>

#include "driver/driver_environment_win32.h"

namespace driver {

// sourceFolder ends with a backslash and holds the extracted "LXDriver" files.
void StageDriverFiles(const std::string& sourceFolder, const SystemFacts& facts = {});

// The modem INF package's store folder named in the setup log at logPath;
// nothing when the log is missing, unreadable, too large for one buffer or
// names none.
std::optional<std::string> FindModemStoreFolderInFile(const std::string& logPath);

}  // namespace driver
