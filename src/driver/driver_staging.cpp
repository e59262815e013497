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

    shared::Plan Plan() {
        CoInstallersAndInfPair();
        if (Is(facts_.version, 6, 1)) Windows7();
        if (Is(facts_.version, 5, 1)) WindowsXp();
        return std::move(plan_);
    }

private:
    const char* ByBitness(const char* for64Bit, const char* for32Bit) const {
        return facts_.is64Bit ? for64Bit : for32Bit;
    }

    // The system folder, spelled as given, or its Sysnative alias for a redirected program.
    std::string NativeSystemFolder(const char* spelling) const {
        return facts_.windowsBase + (facts_.systemFolderRedirected ? "Sysnative\\" : spelling);
    }

    void CoInstallersAndInfPair() {
        ReplaceInSystemFolder(ByBitness("VrxWdf1.d", "VrxWdf0.d"), "WdfCoInstaller01011.dll");
        ReplaceInSystemFolder(ByBitness("VrxWin1.d", "VrxWin0.d"), "winusbcoinstaller2.dll");
        Replace("Usbvcommtp.inf", "inf\\Usbvcommtp.inf");
        Replace("Usbvcommtp.cat", "inf\\Usbvcommtp.cat");
    }

    void Windows7() {
        const char* modemInf = ByBitness("vrx246m2.006", "vrx246m.006");
        const char* serialDriver = ByBitness("vrx246u2.006", "vrx246u.006");
        CopyIfAbsent(modemInf, "inf\\mdmcpq.inf");
        CopyIfAbsent(serialDriver, "inf\\usbser.sys");
        plan_.CopyIfAbsent(source_ + serialDriver, NativeSystemFolder("system32\\") + "drivers\\usbser.sys");
        if (!facts_.modemStoreFolder) return;
        const std::string store =
            NativeSystemFolder("System32\\") + "DriverStore\\FileRepository\\" + *facts_.modemStoreFolder + '\\';
        plan_.CreateFolder(store);
        plan_.CopyIfAbsent(source_ + modemInf, store + "mdmcpq.inf");
        plan_.CopyIfAbsent(source_ + serialDriver, store + "usbser.sys");
    }

    void WindowsXp() {
        CopyIfAbsent("vrx246m.005", "inf\\mdmcpq.inf");
        CopyIfAbsent("vrx246u.005", "inf\\usbser.sys");
        CopyIfAbsent("vrx246u.005", "system32\\drivers\\usbser.sys");
    }

    void Replace(const char* sourceName, const char* belowWindowsBase) {
        plan_.CopyOneFile(source_ + sourceName, facts_.windowsBase + belowWindowsBase);
    }

    void ReplaceInSystemFolder(const char* sourceName, const char* name) {
        plan_.CopyOneFile(source_ + sourceName, NativeSystemFolder("system32\\") + name);
    }

    void CopyIfAbsent(const char* sourceName, const char* belowWindowsBase) {
        plan_.CopyIfAbsent(source_ + sourceName, facts_.windowsBase + belowWindowsBase);
    }

    const std::string& source_;
    const StagingFacts& facts_;
    shared::Plan plan_;
};

}  // namespace

std::string WindowsBaseOf(const std::string& systemFolder, text::LeadByteTest isLeadByte) {
    return systemFolder.substr(0, text::LastBackslash(systemFolder, isLeadByte)) + '\\';
}

bool NeedsModemStoreFolder(const std::optional<WindowsVersion>& version) { return Is(version, 6, 1); }

std::string SetupLogPathOf(const std::string& windowsBase) { return windowsBase + "inf\\setupapi.dev.log"; }

shared::Plan PlanDriverStaging(const std::string& sourceFolder, const StagingFacts& facts) {
    return StagingPlanner(sourceFolder, facts).Plan();
}

}  // namespace driver
