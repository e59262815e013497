// The driver staging on real files: a stand-in Windows folder with the
// extracted serial-port driver set, and the system facts given per version.
#include "driver/stage_driver_files_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "win/unique_resource_win32.h"

namespace driver {
namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

const char* const kSources[] = {"Usbvcommtp.inf", "Usbvcommtp.cat", "vrx246m.005",  "vrx246u.005",
                                "vrx246m.006",    "vrx246u.006",    "vrx246m2.006", "vrx246u2.006",
                                "VrxWdf0.d",      "VrxWdf1.d",      "VrxWin0.d",    "VrxWin1.d"};
const std::string kStoreName = "mdmcpq.inf_amd64_neutral_b53453733bd795bc";

// Files below the Windows folder (outside the source folder) with what they hold.
using Tree = std::map<std::string, std::string>;

class DriverStaging : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"system32", "system32\\drivers", "system32\\LXDriver", "inf", "System32\\DriverStore",
                                   "System32\\DriverStore\\FileRepository"}) {
            ::CreateDirectoryA((windows + folder).c_str(), nullptr);
        }
        for (const char* name : kSources) WriteBytes(source + name, std::string("source ") + name);
    }

    SystemFacts Facts(std::optional<WindowsVersion> version, bool is64Bit) const {
        const std::string systemFolder = windows + "system32";
        return {[systemFolder] { return std::optional<std::string>(systemFolder); },
                [version] { return version; }, [is64Bit] { return is64Bit; },
                [] { return false; }};  // a test folder is never redirected
    }

    void WriteSetupLog(const std::string& text) const { WriteBytes(windows + "inf\\setupapi.dev.log", text); }

    Tree Staged() const {
        Tree tree;
        for (const std::string& file : testing_support::FilesBelow(windows)) {
            if (file.rfind("SYSTEM32\\LXDRIVER\\", 0) == 0 || file == "INF\\SETUPAPI.DEV.LOG") continue;
            tree[file] = ReadBytes(windows + file).value_or("<unreadable>");
        }
        return tree;
    }

    std::string StoreFile(const std::string& name) const {
        return "SYSTEM32\\DRIVERSTORE\\FILEREPOSITORY\\MDMCPQ.INF_AMD64_NEUTRAL_B53453733BD795BC\\" + name;
    }

    testing_support::TempFolder scratch;
    const std::string windows = scratch.MakeFolder("Windows");
    const std::string source = windows + "system32\\LXDriver\\";
};

Tree CoInstallersAndInfPair(const char* wdf, const char* win) {
    return {{"SYSTEM32\\WDFCOINSTALLER01011.DLL", std::string("source ") + wdf},
            {"SYSTEM32\\WINUSBCOINSTALLER2.DLL", std::string("source ") + win},
            {"INF\\USBVCOMMTP.INF", "source Usbvcommtp.inf"},
            {"INF\\USBVCOMMTP.CAT", "source Usbvcommtp.cat"}};
}

Tree With(Tree tree, const char* inf, const char* sys) {
    tree["INF\\MDMCPQ.INF"] = std::string("source ") + inf;
    tree["INF\\USBSER.SYS"] = std::string("source ") + sys;
    tree["SYSTEM32\\DRIVERS\\USBSER.SYS"] = std::string("source ") + sys;
    return tree;
}

TEST_F(DriverStaging, PlacesTheFilesOfEachVersionAndBitness) {
    struct Case {
        std::optional<WindowsVersion> version;
        bool is64Bit;
        Tree expected;
    };
    const Case cases[] = {
        {WindowsVersion{5, 1}, false, With(CoInstallersAndInfPair("VrxWdf0.d", "VrxWin0.d"), "vrx246m.005", "vrx246u.005")},
        {WindowsVersion{6, 0}, false, CoInstallersAndInfPair("VrxWdf0.d", "VrxWin0.d")},
        {WindowsVersion{6, 0}, true, CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d")},
        {WindowsVersion{6, 1}, false, With(CoInstallersAndInfPair("VrxWdf0.d", "VrxWin0.d"), "vrx246m.006", "vrx246u.006")},
        {WindowsVersion{6, 1}, true, With(CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d"), "vrx246m2.006", "vrx246u2.006")},
        {WindowsVersion{6, 2}, true, CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d")},
        {WindowsVersion{10, 0}, true, CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d")},
        {std::nullopt, true, CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d")},
    };
    for (const Case& c : cases) {
        for (const auto& [file, bytes] : Staged()) ::DeleteFileA((windows + file).c_str());
        StageDriverFiles(source, Facts(c.version, c.is64Bit));
        EXPECT_EQ(Staged(), c.expected) << (c.version ? std::to_string(c.version->major) + "." +
                                                            std::to_string(c.version->minor)
                                                      : "no version")
                                        << (c.is64Bit ? " 64-bit" : " 32-bit");
    }
}

TEST_F(DriverStaging, ReplacesTheCoInstallersButKeepsTheSystemsOwnFiles) {
    WriteBytes(windows + "system32\\WdfCoInstaller01011.dll", "older co-installer");
    WriteBytes(windows + "inf\\mdmcpq.inf", "system modem inf");
    WriteBytes(windows + "system32\\drivers\\usbser.sys", "system serial driver");
    StageDriverFiles(source, Facts(WindowsVersion{6, 1}, true));
    EXPECT_EQ(ReadBytes(windows + "system32\\WdfCoInstaller01011.dll"), "source VrxWdf1.d");
    EXPECT_EQ(ReadBytes(windows + "inf\\mdmcpq.inf"), "system modem inf");
    EXPECT_EQ(ReadBytes(windows + "system32\\drivers\\usbser.sys"), "system serial driver");
    EXPECT_EQ(ReadBytes(windows + "inf\\usbser.sys"), "source vrx246u2.006");
}

TEST_F(DriverStaging, Windows7RecreatesTheStoreFolderNamedInTheLog) {
    WriteSetupLog(">>>  [Device Install (Hardware initiated) - USB\\VID_0403&PID_6001\\A1]\r\n"
                  "     dvi: Driver Store Path: C:\\Windows\\System32\\DriverStore\\FileRepository\\" + kStoreName +
                  "\\mdmcpq.inf\r\n");
    StageDriverFiles(source, Facts(WindowsVersion{6, 1}, true));
    Tree expected = With(CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d"), "vrx246m2.006", "vrx246u2.006");
    expected[StoreFile("MDMCPQ.INF")] = "source vrx246m2.006";
    expected[StoreFile("USBSER.SYS")] = "source vrx246u2.006";
    EXPECT_EQ(Staged(), expected);

    // A file already in the store folder stays.
    WriteBytes(windows + StoreFile("usbser.sys"), "store driver");
    StageDriverFiles(source, Facts(WindowsVersion{6, 1}, false));
    EXPECT_EQ(ReadBytes(windows + StoreFile("usbser.sys")), "store driver");
}

TEST_F(DriverStaging, TheStoreFolderIsMadeOneLevelOnly) {
    ::RemoveDirectoryA((windows + "System32\\DriverStore\\FileRepository").c_str());
    WriteSetupLog("'C:\\Windows\\System32\\DriverStore\\FileRepository\\" + kStoreName + "'");
    StageDriverFiles(source, Facts(WindowsVersion{6, 1}, true));
    EXPECT_FALSE(testing_support::Exists(windows + "System32\\DriverStore\\FileRepository"));
    EXPECT_EQ(ReadBytes(windows + "inf\\mdmcpq.inf"), "source vrx246m2.006");
}

// A log larger than one buffer can hold names no folder; the rest is staged.
TEST_F(DriverStaging, ALogTooLargeForOneBufferIsTakenAsALogWithoutAFolder) {
    const std::string logPath = windows + "inf\\setupapi.dev.log";
    WriteSetupLog("\\" + kStoreName + "\\");
    {
        win::UniqueFile log(::CreateFileA(logPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(log);
        LARGE_INTEGER end;
        end.QuadPart = 0x100000001LL;  // 4 GiB and one byte, stored sparse
        ASSERT_TRUE(::SetFilePointerEx(log.get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(log.get()));
    }
    EXPECT_EQ(FindModemStoreFolderInFile(logPath), std::nullopt);
    StageDriverFiles(source, Facts(WindowsVersion{6, 1}, true));
    EXPECT_EQ(Staged(), With(CoInstallersAndInfPair("VrxWdf1.d", "VrxWin1.d"), "vrx246m2.006", "vrx246u2.006"));
    ::DeleteFileA(logPath.c_str());
}

TEST_F(DriverStaging, ALogThatCannotBeReadOrIsEmptyNamesNoFolder) {
    const std::string logPath = windows + "inf\\setupapi.dev.log";
    EXPECT_EQ(FindModemStoreFolderInFile(logPath), std::nullopt);
    WriteSetupLog("");
    EXPECT_EQ(FindModemStoreFolderInFile(logPath), std::nullopt);
    WriteSetupLog("\\" + kStoreName + "\\");
    EXPECT_EQ(FindModemStoreFolderInFile(logPath), kStoreName);
    // The platform may hold its log open for writing while the staging reads it.
    {
        win::UniqueFile writer(
            ::CreateFileA(logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(writer);
        EXPECT_EQ(FindModemStoreFolderInFile(logPath), kStoreName);
    }
    win::UniqueFile locked(::CreateFileA(logPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_EQ(FindModemStoreFolderInFile(logPath), std::nullopt);
}

TEST_F(DriverStaging, WithoutASystemFolderNothingIsStaged) {
    SystemFacts facts = Facts(WindowsVersion{5, 1}, false);
    facts.systemFolder = [] { return std::optional<std::string>(); };
    StageDriverFiles(source, facts);
    EXPECT_TRUE(Staged().empty());
}

}  // namespace
}  // namespace driver
