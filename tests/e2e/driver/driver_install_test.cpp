// The USB-driver button of the real Setup.exe on the sample distribution: the
// progress window in each language, its bar moving on the screen while the
// serial-port installer runs, both installers run, and what stays below the
// system folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "guidriver/find.h"
#include "guidriver/screenshot.h"
#include "guidriver/text.h"
#include "res/resource.h"
#include "support/setup_run.h"
#include "support/temp_folder.h"

namespace {

using guidriver::Duration;
using guidriver::Narrow;
using guidriver::PollUntil;
using guidriver::Widen;
using guidriver::Window;
using testing_support::FilesBelow;
using testing_support::ReadBytes;
using testing_support::RemoveTree;
using testing_support::WriteBytes;

constexpr Duration kTimeout(60000);
// Longer than 22 wait turns of 350 to 450 ms: the bar fills while it still runs.
constexpr int kSerialInstallerMs = 14000;

struct LanguageCase {
    int row;
    std::string caption;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << "Language row " << c.row; }

std::string SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetSystemDirectoryW(path, MAX_PATH);
    return Narrow(path) + "\\";
}

std::string WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetWindowsDirectoryW(path, MAX_PATH);
    return Narrow(path) + "\\";
}

// How far the bar is drawn on the screen, from 0 to 1: the rightmost pixel of
// its middle row in the highlight colour, over the bar's width. Read from the
// screen, which needs nothing from the busy program.
double FillOnScreen(HWND bar) {
    RECT area;
    if (!::GetWindowRect(bar, &area) || area.right <= area.left) return -1;
    const LONG middle = (area.top + area.bottom) / 2;
    const guidriver::ScreenPicture row(RECT{area.left, middle, area.right, middle + 1});
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    int rightmost = 0;
    for (int x = 0; x < row.Width(); ++x) {
        if (row.Pixel(x, 0) == highlight) rightmost = x + 1;
    }
    return static_cast<double>(rightmost) / row.Width();
}

// The version-specific files below the Windows folder, and what 64-bit Windows 7 gets there.
struct SystemOwnFile {
    const char* belowWindows;
    const char* windows7Source;
};
const SystemOwnFile kSystemOwnFiles[] = {{"inf\\mdmcpq.inf", "LXDriver\\vrx246m2.006"},
                                         {"inf\\usbser.sys", "LXDriver\\vrx246u2.006"},
                                         {"system32\\drivers\\usbser.sys", "LXDriver\\vrx246u2.006"}};

// As Setup.exe sees it: Windows XP and 7 report the same with or without a manifest.
bool IsWindows7() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    return ::GetVersionExW(&info) && info.dwMajorVersion == 6 && info.dwMinorVersion == 1;
}

class DriverInstall : public ::testing::TestWithParam<LanguageCase> {
protected:
    static std::string PreparedLogFolder() {
        const std::string folder = e2e::WindowsPathOf(E2E_WORK_DIR) + "\\driver-log\\";
        RemoveTree(folder);
        ::CreateDirectoryW(Widen(folder).c_str(), nullptr);
        // Setup.exe and the installers it starts inherit this.
        ::SetEnvironmentVariableW(L"RECORDER_LOG_DIR", Widen(folder).c_str());
        return folder;
    }

    void SetUp() override {
        RemoveLeftovers();
        ::CreateDirectoryW(Widen(system_ + "LXDriver").c_str(), nullptr);
        WriteBytes(system_ + "LXDriver\\UsbDriver.exe.wait", std::to_string(kSerialInstallerMs));
        for (const SystemOwnFile& file : kSystemOwnFiles) before_.push_back(ReadBytes(windows_ + file.belowWindows));
        run_.emplace(e2e::SetupCopy::Distribution{E2E_SAMPLE_DIST});
    }
    void TearDown() override {
        run_.reset();
        RemoveLeftovers();
        for (size_t i = 0; i < before_.size(); ++i) {
            if (!before_[i]) ::DeleteFileW(Widen(windows_ + kSystemOwnFiles[i].belowWindows).c_str());
        }
        ::SetEnvironmentVariableW(L"RECORDER_LOG_DIR", nullptr);
    }

    // What a run leaves below the system and Windows folders.
    void RemoveLeftovers() const {
        RemoveTree(system_ + "LXDriver\\");
        RemoveTree(system_ + "VRXDriver\\");
        for (const char* staged : {"WdfCoInstaller01011.dll", "winusbcoinstaller2.dll"}) {
            ::DeleteFileW(Widen(system_ + staged).c_str());
        }
        for (const char* staged : {"inf\\Usbvcommtp.inf", "inf\\Usbvcommtp.cat"}) {
            ::DeleteFileW(Widen(windows_ + staged).c_str());
        }
    }

    std::vector<std::string> Started(size_t atLeast) const {
        std::vector<std::string> lines;
        PollUntil(kTimeout, [&] {
            lines.clear();
            const std::string log = ReadBytes(logFolder_ + "recorder.log").value_or("");
            for (size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
                lines.push_back(log.substr(start, end - start));
            }
            return lines.size() >= atLeast;
        });
        return lines;
    }

    std::string Payload(const std::string& name) const {
        return ReadBytes(e2e::WindowsPathOf(E2E_SAMPLE_PAYLOAD) + "\\" + name).value_or("<no payload file>");
    }

    const std::string logFolder_ = PreparedLogFolder();
    const std::string system_ = SystemFolder();
    const std::string windows_ = WindowsFolder();
    std::vector<std::optional<std::string>> before_;  // of kSystemOwnFiles
    std::optional<e2e::SetupRun> run_;
};

TEST_P(DriverInstall, TheBarFillsWhileTheInstallerRunsAndTheDriverFilesStay) {
    const DWORD pid = run_->Process().Id();
    Window main = run_->WaitForMainWindow(kTimeout);
    main.Control(IDC_LANGUAGE_LIST).SelectRow(GetParam().row);
    main.Control(IDC_USB_DRIVER).Click();

    Window progress = guidriver::WaitForWindow(GetParam().caption, pid, kTimeout);
    const HWND bar = progress.Control(IDC_DRIVER_PROGRESS).Handle();
    // Nothing is dispatched during the run: what the screen shows was painted at once.
    std::vector<double> fills;
    PollUntil(kTimeout, [&] {
        fills.push_back(FillOnScreen(bar));
        return fills.back() >= 0.97 || !progress.Exists();
    });
    ASSERT_TRUE(progress.Exists()) << "the window closed before its bar was full";
    EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [](double fill) { return fill > 0 && fill < 0.6; }))
        << "the bar never showed a part-way position";
    EXPECT_GE(fills.back(), 0.97);
    progress.WaitUntilClosed(kTimeout);

    EXPECT_EQ(Started(2), (std::vector<std::string>{"UsbDriver.exe", "InstallDriver.exe"}));
    EXPECT_EQ(guidriver::TopLevelWindows(pid).size(), 1u) << "no message after the run";

    EXPECT_EQ(FilesBelow(system_ + "LXDriver\\"),
              (std::vector<std::string>{"USBDRIVER.EXE.WAIT", "VRXWDF0.D", "VRXWDF1.D", "VRXWIN0.D", "VRXWIN1.D"}));
    for (const char* name : {"InstallDriver.exe", "VrxUsb.inf", "amd64\\libusbK.sys", "x86\\libusbK.dll"}) {
        EXPECT_TRUE(ReadBytes(system_ + "VRXDriver\\" + name) == Payload(std::string("VRXDriver\\") + name))
            << name;
    }
    // This 64-bit build runs on 64-bit Windows.
    const std::pair<std::string, const char*> staged[] = {
        {system_ + "WdfCoInstaller01011.dll", "LXDriver\\VrxWdf1.d"},
        {system_ + "winusbcoinstaller2.dll", "LXDriver\\VrxWin1.d"},
        {windows_ + "inf\\Usbvcommtp.inf", "LXDriver\\Usbvcommtp.inf"},
        {windows_ + "inf\\Usbvcommtp.cat", "LXDriver\\Usbvcommtp.cat"}};
    for (const auto& [target, source] : staged) EXPECT_TRUE(ReadBytes(target) == Payload(source)) << target;
    // The system's own modem INF and serial driver: Windows 7 only, and only where none is.
    for (size_t i = 0; i < before_.size(); ++i) {
        const SystemOwnFile& file = kSystemOwnFiles[i];
        const std::optional<std::string> expected =
            before_[i] || !IsWindows7() ? before_[i] : std::optional<std::string>(Payload(file.windows7Source));
        EXPECT_TRUE(ReadBytes(windows_ + file.belowWindows) == expected)
            << file.belowWindows << (IsWindows7() ? " on Windows 7" : " on neither XP nor 7");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DriverInstall,
                         ::testing::Values(LanguageCase{0, "安装驱动..."}, LanguageCase{2, "Installing the driver..."}));

}  // namespace
