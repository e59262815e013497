// The driver run in its progress window on a stand-in system folder, with
// copies of our recorder program as both installers.
#include "driver/driver_progress_dialog_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "../../common/archive_builder.h"
#include "busy/owner_window.h"
#include "support/temp_folder.h"

namespace {

using testing_support::Exists;
using testing_support::FilesBelow;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

const char* const kSerialSources[] = {"ftd2xx.dll",  "Usbvcommtp.inf", "Usbvcommtp.cat", "vrx246m.005",
                                      "vrx246u.005", "vrx246m.006",    "vrx246u.006",    "vrx246m2.006",
                                      "vrx246u2.006", "VrxWdf0.d",     "VrxWdf1.d",      "VrxWin0.d",
                                      "VrxWin1.d"};
const std::vector<std::string> kCoInstallerImages = {"VRXWDF0.D", "VRXWDF1.D", "VRXWIN0.D", "VRXWIN1.D"};
const std::vector<std::string> kUsbPackage = {"AMD64\\LIBUSBK.SYS", "INSTALLDRIVER.EXE", "VRXUSB.INF",
                                              "X86\\LIBUSBK.SYS"};
const std::string kNotAProgram = "plain text, no program";

struct Message {
    std::string text;
    int barPosition;
    bool windowShown;
};

// What one run showed: the bar at each tick, and each message.
struct RunRecord {
    std::vector<int> ticks;
    std::vector<Message> messages;
};

class DriverRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner);
        ::SetEnvironmentVariableA("RECORDER_LOG_DIR", logFolder.c_str());
        environment.systemFacts.systemFolder = [this] { return std::optional<std::string>(systemFolder); };
        environment.systemFacts.windowsVersion = [] { return std::optional<driver::WindowsVersion>({10, 0}); };
        environment.systemFacts.is64Bit = [] { return true; };
        environment.extractSource.archivePath = scratch / "Setup.exe";
    }
    void TearDown() override { ::SetEnvironmentVariableA("RECORDER_LOG_DIR", nullptr); }

    // The archive with the given installers; waitMs > 0 keeps UsbDriver.exe running that long.
    void Pack(const std::string& serialInstaller, const std::string& usbInstaller, int waitMs = 0) {
        test_archive::ArchiveBuilder archive;
        archive.Add("LXDriver\\UsbDriver.exe", serialInstaller);
        if (waitMs > 0) archive.Add("LXDriver\\UsbDriver.exe.wait", std::to_string(waitMs));
        for (const char* name : kSerialSources) archive.Add(std::string("LXDriver\\") + name, name);
        archive.Add("VRXDriver\\InstallDriver.exe", usbInstaller);
        archive.Add("VRXDriver\\VrxUsb.inf", "usb inf");
        archive.Add("VRXDriver\\amd64\\libusbK.sys", "64-bit usb driver");
        archive.Add("VRXDriver\\x86\\libusbK.sys", "32-bit usb driver");
        const test_archive::Bytes bytes = archive.Build();
        WriteBytes(scratch / "Setup.exe", std::string(bytes.begin(), bytes.end()));
    }

    RunRecord Run() {
        RunRecord record;
        driver::DriverProgressDialog dialog(owner.get());
        dialog.caption = "Installing the driver...";
        dialog.SetPacing(22, [&] { record.ticks.push_back(dialog.ProgressPosition()); });
        environment.showMessage = [&](const std::string& text) {
            record.messages.push_back({text, dialog.ProgressPosition(), ::IsWindowVisible(dialog.Handle()) != FALSE});
        };
        dialog.Run(environment);
        EXPECT_EQ(dialog.Handle(), nullptr);
        return record;
    }

    // The programs that have run, in order; waits up to timeout for at least `atLeast` of them.
    std::vector<std::string> Started(size_t atLeast, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            std::vector<std::string> lines;
            const std::string log = ReadBytes(logFolder + "recorder.log").value_or("");
            for (size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
                lines.push_back(log.substr(start, end - start));
            }
            if (lines.size() >= atLeast || std::chrono::steady_clock::now() >= deadline) return lines;
            ::Sleep(50);
        }
    }

    std::string Recorder() const { return ReadBytes(RECORDER_EXE).value(); }
    std::string SendingInstaller() const { return ReadBytes(SENDING_INSTALLER_EXE).value(); }

    testing_support::TempFolder scratch;
    const std::string logFolder = scratch.MakeFolder("log");
    const std::string windows = scratch.MakeFolder("Windows");
    const std::string root = scratch.MakeFolder("Windows\\system32");
    const std::string systemFolder = root.substr(0, root.size() - 1);
    win::UniqueWindow owner = shared::MakeOwner();
    driver::DriverEnvironment environment;
};

TEST_F(DriverRun, RunsBothInstallersAndLeavesOnlyTheCoInstallerImages) {
    Pack(Recorder(), Recorder());
    const RunRecord record = Run();
    EXPECT_TRUE(record.messages.empty());
    EXPECT_EQ(Started(2), (std::vector<std::string>{"UsbDriver.exe", "InstallDriver.exe"}));
    EXPECT_EQ(FilesBelow(root + "LXDriver"), kCoInstallerImages);
    EXPECT_EQ(FilesBelow(root + "VRXDriver"), kUsbPackage);
    // Staged for 64-bit Windows 10; the copies into the missing inf folder failed and the run went on.
    EXPECT_EQ(ReadBytes(windows + "system32\\WdfCoInstaller01011.dll"), "VrxWdf1.d");
    EXPECT_EQ(ReadBytes(windows + "inf\\Usbvcommtp.inf"), std::nullopt);
}

TEST_F(DriverRun, AnInstallerThatOutlivesTheStepsKeepsTheBarFullUntilItEnds) {
    Pack(Recorder(), kNotAProgram, 3500);
    const RunRecord record = Run();
    const std::vector<int> steps = {4, 9, 13, 18, 22, 27, 31, 36, 40, 45, 50, 54, 59, 63, 68, 72, 77, 81, 86, 90, 95, 100};
    ASSERT_GT(record.ticks.size(), steps.size());
    EXPECT_EQ(std::vector<int>(record.ticks.begin(), record.ticks.begin() + steps.size()), steps);
    for (size_t tick = steps.size(); tick < record.ticks.size(); ++tick) EXPECT_EQ(record.ticks[tick], 100) << tick;
    // The USB installer cannot start: the one message, over a full bar.
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0].text, "error!");
    EXPECT_EQ(record.messages[0].barPosition, 100);
    EXPECT_TRUE(record.messages[0].windowShown);
    EXPECT_EQ(Started(1), std::vector<std::string>{"UsbDriver.exe"});
    // The clean-up ran after the installer let go of its file.
    std::vector<std::string> left = kCoInstallerImages;
    left.insert(left.begin(), "USBDRIVER.EXE.WAIT");
    EXPECT_EQ(FilesBelow(root + "LXDriver"), left);
}

TEST_F(DriverRun, AnswersTheMessagesTheInstallerSendsToTheMainWindowAndTheBar) {
    ::SetWindowTextW(owner.get(), L"BeamDraft");
    const std::string report = scratch / "sent.txt";
    ::SetEnvironmentVariableA("SENDER_MAIN_WINDOW", std::to_string(reinterpret_cast<UINT_PTR>(owner.get())).c_str());
    ::SetEnvironmentVariableA("SENDER_REPORT", report.c_str());
    Pack(SendingInstaller(), Recorder());
    EXPECT_TRUE(Run().messages.empty());
    ::SetEnvironmentVariableA("SENDER_MAIN_WINDOW", nullptr);
    ::SetEnvironmentVariableA("SENDER_REPORT", nullptr);

    // Text, milliseconds to the answer, and the bar's position, each -1 where a send timed out.
    std::vector<std::string> lines;
    const std::string sent = ReadBytes(report).value_or("");
    for (size_t start = 0, end; (end = sent.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(sent.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 3u) << sent;
    EXPECT_EQ(lines[0], "BeamDraft");
    EXPECT_GE(std::stol(lines[1]), 0);
    EXPECT_LT(std::stol(lines[1]), 1000);  // within a wait turn, slack for a busy machine
    EXPECT_GE(std::stol(lines[2]), 4);     // the first step's position
    EXPECT_LT(std::stol(lines[2]), 100);   // the full bar comes when the installer ends
}

TEST_F(DriverRun, ASerialInstallerThatCannotStartLeavesTheBarEmptyAndStartsNoOther) {
    Pack(kNotAProgram, Recorder());
    const RunRecord record = Run();
    EXPECT_TRUE(record.ticks.empty());
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0].text, "error!");
    EXPECT_EQ(record.messages[0].barPosition, 0);
    EXPECT_TRUE(Started(1, std::chrono::milliseconds(2000)).empty());
    EXPECT_EQ(FilesBelow(root + "LXDriver"), kCoInstallerImages);
}

TEST_F(DriverRun, ASecondRunWhileTheUsbPackageIsInUseShowsErrorAndStartsNothing) {
    Pack(Recorder(), Recorder());
    ASSERT_TRUE(Run().messages.empty());
    ASSERT_EQ(Started(2).size(), 2u);
    ASSERT_TRUE(::DeleteFileA((logFolder + "recorder.log").c_str()));
    ASSERT_TRUE(::DeleteFileA((windows + "system32\\WdfCoInstaller01011.dll").c_str()));

    win::UniqueFile inUse(::CreateFileA((root + "VRXDriver\\x86\\libusbK.sys").c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(inUse);
    const RunRecord record = Run();
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0].text, "error!");
    EXPECT_EQ(record.messages[0].barPosition, 0);
    EXPECT_FALSE(Exists(logFolder + "recorder.log"));  // the first installer would have been waited for
    EXPECT_FALSE(Exists(windows + "system32\\WdfCoInstaller01011.dll"));
    EXPECT_TRUE(Exists(root + "LXDriver\\UsbDriver.exe"));  // written again, not deleted
}

TEST_F(DriverRun, WithoutASystemFolderOnlyTheErrorIsShown) {
    Pack(Recorder(), Recorder());
    environment.systemFacts.systemFolder = [] { return std::optional<std::string>(); };
    const RunRecord record = Run();
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0].text, "error!");
    EXPECT_TRUE(FilesBelow(windows).empty());
}

}  // namespace
