#pragma once
// Which driver files go where before the serial-port installer runs: the
// co-installers and the INF pair on every system, and the system's own modem
// INF and serial driver in the build of Windows XP or Windows 7.
// Paths are ANSI; folder paths end in a backslash.
#include <optional>
#include <string>

#include "common/lead_byte.h"
#include "shared/install_plan.h"

namespace driver {

struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// What the staging needs to know about the running system.
struct StagingFacts {
    std::string windowsBase;                // see WindowsBaseOf
    std::optional<WindowsVersion> version;  // nothing when the query failed
    bool is64Bit = false;                   // running on 64-bit Windows
    std::optional<std::string> modemStoreFolder;  // from the setup log; asked on Windows 7 only
    // A 32-bit program on 64-bit Windows: what it names system32 is SysWOW64.
    bool systemFolderRedirected = false;
};

// The system folder cut before its last backslash, with one backslash:
// C:\Windows\system32 gives C:\Windows\ .
std::string WindowsBaseOf(const std::string& systemFolder, text::LeadByteTest isLeadByte);

// Only Windows 7 places files into the driver store, found through this log.
bool NeedsModemStoreFolder(const std::optional<WindowsVersion>& version);
std::string SetupLogPathOf(const std::string& windowsBase);

// The copies in order, from sources in sourceFolder, as folder and copy steps
// only: every step is tried, whatever the earlier ones did. Targets below the
// Windows folder are named from windowsBase here, so this is the one place
// that decides where a staged file lands. The files for the system folder are
// the builds of the system's own bitness, so a redirected program names that
// folder through its Sysnative alias: the 64-bit driver installation finds
// them there, and SysWOW64 keeps the 32-bit co-installers 32-bit programs load.
shared::Plan PlanDriverStaging(const std::string& sourceFolder, const StagingFacts& facts);

}  // namespace driver
