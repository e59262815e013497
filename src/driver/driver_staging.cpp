#include "driver/driver_staging.h"

#include "common/path_text.h"

namespace driver {
namespace {

bool Is(const std::optional<WindowsVersion>& version, unsigned major, unsigned minor) {
    return version && version->major == major && version->minor == minor;
}

class StagingPlanner {
public:
    StagingPlanner(const std::string& sourceFolder, const StagingFacts& facts)
        : source_(sourceFolder), facts_(facts) {}

    std::vector<StagingStep> Plan() {
        CoInstallersAndInfPair();
        if (Is(facts_.version, 6, 1)) Windows7();
        if (Is(facts_.version, 5, 1)) WindowsXp();
        return std::move(steps_);
    }

private:
    const char* ByBitness(const char* for64Bit, const char* for32Bit) const {
        return facts_.is64Bit ? for64Bit : for32Bit;
    }

    void CoInstallersAndInfPair() {
        Copy(StagingKind::CopyReplacing, ByBitness("VrxWdf1.d", "VrxWdf0.d"), "system32\\WdfCoInstaller01011.dll");
        Copy(StagingKind::CopyReplacing, ByBitness("VrxWin1.d", "VrxWin0.d"), "system32\\winusbcoinstaller2.dll");
        Copy(StagingKind::CopyReplacing, "Usbvcommtp.inf", "inf\\Usbvcommtp.inf");
        Copy(StagingKind::CopyReplacing, "Usbvcommtp.cat", "inf\\Usbvcommtp.cat");
    }

    void Windows7() {
        const char* modemInf = ByBitness("vrx246m2.006", "vrx246m.006");
        const char* serialDriver = ByBitness("vrx246u2.006", "vrx246u.006");
        Copy(StagingKind::CopyIfAbsent, modemInf, "inf\\mdmcpq.inf");
        Copy(StagingKind::CopyIfAbsent, serialDriver, "inf\\usbser.sys");
        Copy(StagingKind::CopyIfAbsent, serialDriver, "system32\\drivers\\usbser.sys");
        if (!facts_.modemStoreFolder) return;
        const std::string store =
            facts_.windowsBase + "System32\\DriverStore\\FileRepository\\" + *facts_.modemStoreFolder + '\\';
        steps_.push_back({StagingKind::CreateFolder, {}, store});
        steps_.push_back({StagingKind::CopyIfAbsent, source_ + modemInf, store + "mdmcpq.inf"});
        steps_.push_back({StagingKind::CopyIfAbsent, source_ + serialDriver, store + "usbser.sys"});
    }

    void WindowsXp() {
        Copy(StagingKind::CopyIfAbsent, "vrx246m.005", "inf\\mdmcpq.inf");
        Copy(StagingKind::CopyIfAbsent, "vrx246u.005", "inf\\usbser.sys");
        Copy(StagingKind::CopyIfAbsent, "vrx246u.005", "system32\\drivers\\usbser.sys");
    }

    void Copy(StagingKind kind, const char* sourceName, const char* belowWindowsBase) {
        steps_.push_back({kind, source_ + sourceName, facts_.windowsBase + belowWindowsBase});
    }

    const std::string& source_;
    const StagingFacts& facts_;
    std::vector<StagingStep> steps_;
};

}  // namespace

std::string WindowsBaseOf(const std::string& systemFolder, text::LeadByteTest isLeadByte) {
    return systemFolder.substr(0, text::LastBackslash(systemFolder, isLeadByte)) + '\\';
}

bool NeedsModemStoreFolder(const std::optional<WindowsVersion>& version) { return Is(version, 6, 1); }

std::string SetupLogPathOf(const std::string& windowsBase) { return windowsBase + "inf\\setupapi.dev.log"; }

std::vector<StagingStep> PlanDriverStaging(const std::string& sourceFolder, const StagingFacts& facts) {
    return StagingPlanner(sourceFolder, facts).Plan();
}

std::string Describe(const StagingStep& step) {
    switch (step.kind) {
    case StagingKind::CopyReplacing:
        return "copy " + step.source + " -> " + step.target + ", replacing";
    case StagingKind::CopyIfAbsent:
        return "copy " + step.source + " -> " + step.target + ", if absent";
    case StagingKind::CreateFolder:
        return "create folder " + step.target;
    }
    return {};
}

std::vector<std::string> Describe(const std::vector<StagingStep>& steps) {
    std::vector<std::string> lines;
    for (const StagingStep& step : steps) lines.push_back(Describe(step));
    return lines;
}

}  // namespace driver
