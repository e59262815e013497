#pragma once
// Which driver files go where before the serial-port installer runs: the
// co-installers and the INF pair on every system, and the system's own modem
// INF and serial driver in the build of Windows XP or Windows 7.
// Paths are ANSI; folder paths end in a backslash.
#include <optional>
#include <string>
#include <vector>

#include "common/lead_byte.h"

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
};

enum class StagingKind {
    CopyReplacing,  // the target is overwritten when it exists
    CopyIfAbsent,   // an existing target is left as it is
    CreateFolder,   // one level; the outcome is ignored
};

struct StagingStep {
    StagingKind kind;
    std::string source;  // copies only
    std::string target;
};

// The system folder cut before its last backslash, with one backslash:
// C:\Windows\system32 gives C:\Windows\ .
std::string WindowsBaseOf(const std::string& systemFolder, text::LeadByteTest isLeadByte);

// Only Windows 7 places files into the driver store, found through this log.
bool NeedsModemStoreFolder(const std::optional<WindowsVersion>& version);
std::string SetupLogPathOf(const std::string& windowsBase);

// The copies in order, from sources in sourceFolder; every step is tried,
// whatever the earlier ones did.
std::vector<StagingStep> PlanDriverStaging(const std::string& sourceFolder, const StagingFacts& facts);

// One line per step: "copy A -> B, replacing", "copy A -> B, if absent", "create folder F".
std::string Describe(const StagingStep& step);
std::vector<std::string> Describe(const std::vector<StagingStep>& steps);

}  // namespace driver
