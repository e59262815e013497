// The driver staging planned from the system facts, for each Windows version.
#include "driver/driver_staging.h"

#include <gtest/gtest.h>

namespace driver {
namespace {

const std::string kSource = "C:\\Windows\\system32\\LXDriver\\";

StagingFacts Facts(std::optional<WindowsVersion> version, bool is64Bit,
                   std::optional<std::string> storeFolder = std::nullopt) {
    return {"C:\\Windows\\", version, is64Bit, storeFolder};
}

std::vector<std::string> Plan(const StagingFacts& facts) { return Describe(PlanDriverStaging(kSource, facts)); }

std::vector<std::string> CoInstallersAndInfPair(const std::string& wdf, const std::string& win) {
    return {
        "copy file " + kSource + wdf + " -> C:\\Windows\\system32\\WdfCoInstaller01011.dll",
        "copy file " + kSource + win + " -> C:\\Windows\\system32\\winusbcoinstaller2.dll",
        "copy file " + kSource + "Usbvcommtp.inf -> C:\\Windows\\inf\\Usbvcommtp.inf",
        "copy file " + kSource + "Usbvcommtp.cat -> C:\\Windows\\inf\\Usbvcommtp.cat",
    };
}

std::vector<std::string> Then(std::vector<std::string> lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::vector<std::string> SystemModemFiles(const std::string& inf, const std::string& sys) {
    return {
        "copy file " + kSource + inf + " -> C:\\Windows\\inf\\mdmcpq.inf if absent",
        "copy file " + kSource + sys + " -> C:\\Windows\\inf\\usbser.sys if absent",
        "copy file " + kSource + sys + " -> C:\\Windows\\system32\\drivers\\usbser.sys if absent",
    };
}

TEST(StagingPlan, WindowsXpAddsTheModemFilesOfXp) {
    EXPECT_EQ(Plan(Facts(WindowsVersion{5, 1}, false)),
              Then(CoInstallersAndInfPair("VrxWdf0.d", "VrxWin0.d"), SystemModemFiles("vrx246m.005", "vrx246u.005")));
    // XP has no bitness choice for its own files.
    EXPECT_EQ(Plan(Facts(WindowsVersion{5, 1}, true)),
              Then(CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d"), SystemModemFiles("vrx246m.005", "vrx246u.005")));
}

TEST(StagingPlan, Windows7In64BitPlacesTheFilesIntoTheStoreFolderToo) {
    const std::string store = "C:\\Windows\\System32\\DriverStore\\FileRepository\\mdmcpq.inf_amd64_neutral_b53453733bd795bc\\";
    const std::vector<std::string> expected =
        Then(Then(CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d"), SystemModemFiles("vrx246m2.006", "vrx246u2.006")),
             {"create folder " + store,
              "copy file " + kSource + "vrx246m2.006 -> " + store + "mdmcpq.inf if absent",
              "copy file " + kSource + "vrx246u2.006 -> " + store + "usbser.sys if absent"});
    EXPECT_EQ(Plan(Facts(WindowsVersion{6, 1}, true, "mdmcpq.inf_amd64_neutral_b53453733bd795bc")), expected);
}

TEST(StagingPlan, ARedirectedProgramNamesTheNativeSystemFolderForEveryCopyBelowIt) {
    StagingFacts facts = Facts(WindowsVersion{6, 1}, true, "mdmcpq.inf_amd64_neutral_b53453733bd795bc");
    facts.systemFolderRedirected = true;
    const std::string native = "C:\\Windows\\Sysnative\\";
    const std::string store = native + "DriverStore\\FileRepository\\mdmcpq.inf_amd64_neutral_b53453733bd795bc\\";
    EXPECT_EQ(Plan(facts), (std::vector<std::string>{
                               "copy file " + kSource + "VrxWdf1.d -> " + native + "WdfCoInstaller01011.dll",
                               "copy file " + kSource + "VrxWin1.d -> " + native + "winusbcoinstaller2.dll",
                               "copy file " + kSource + "Usbvcommtp.inf -> C:\\Windows\\inf\\Usbvcommtp.inf",
                               "copy file " + kSource + "Usbvcommtp.cat -> C:\\Windows\\inf\\Usbvcommtp.cat",
                               "copy file " + kSource + "vrx246m2.006 -> C:\\Windows\\inf\\mdmcpq.inf if absent",
                               "copy file " + kSource + "vrx246u2.006 -> C:\\Windows\\inf\\usbser.sys if absent",
                               "copy file " + kSource + "vrx246u2.006 -> " + native + "drivers\\usbser.sys if absent",
                               "create folder " + store,
                               "copy file " + kSource + "vrx246m2.006 -> " + store + "mdmcpq.inf if absent",
                               "copy file " + kSource + "vrx246u2.006 -> " + store + "usbser.sys if absent",
                           }));
}

TEST(StagingPlan, Windows7In32BitWithoutAStoreFolderStopsAfterTheSystemFolders) {
    EXPECT_EQ(Plan(Facts(WindowsVersion{6, 1}, false)),
              Then(CoInstallersAndInfPair("VrxWdf0.d", "VrxWin0.d"), SystemModemFiles("vrx246m.006", "vrx246u.006")));
}

TEST(StagingPlan, OtherVersionsAndAFailedQueryGetOnlyTheCoInstallersAndTheInfPair) {
    for (const WindowsVersion version : {WindowsVersion{5, 0}, WindowsVersion{5, 2}, WindowsVersion{6, 0},
                                         WindowsVersion{6, 2}, WindowsVersion{6, 3}, WindowsVersion{10, 0}}) {
        EXPECT_EQ(Plan(Facts(version, true, "mdmcpq.inf_amd64_neutral_b53453733bd795bc")),
                  CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d"))
            << version.major << "." << version.minor;
    }
    EXPECT_EQ(Plan(Facts(std::nullopt, false)), CoInstallersAndInfPair("VrxWdf0.d", "VrxWin0.d"));
}

TEST(StagingPlan, OnlyWindows7LooksForTheStoreFolder) {
    EXPECT_TRUE(NeedsModemStoreFolder(WindowsVersion{6, 1}));
    EXPECT_FALSE(NeedsModemStoreFolder(WindowsVersion{5, 1}));
    EXPECT_FALSE(NeedsModemStoreFolder(WindowsVersion{6, 0}));
    EXPECT_FALSE(NeedsModemStoreFolder(std::nullopt));
    EXPECT_EQ(SetupLogPathOf("C:\\Windows\\"), "C:\\Windows\\inf\\setupapi.dev.log");
}

TEST(StagingPlan, TheWindowsBaseIsTheSystemFolderCutAtItsLastBackslash) {
    EXPECT_EQ(WindowsBaseOf("C:\\Windows\\system32", text::NoLeadBytes), "C:\\Windows\\");
    EXPECT_EQ(WindowsBaseOf("D:\\WINNT\\System32", text::NoLeadBytes), "D:\\WINNT\\");
    // A double-byte character whose second byte is 0x5C is not a separator.
    EXPECT_EQ(WindowsBaseOf("C:\\Win\\\xB1\x5C", text::GbkLeadByte), "C:\\Win\\");
}

}  // namespace
}  // namespace driver
