// A download damaged in one byte: both commands say so in the chosen language
// before any other window opens, so nothing is written.
#include <gtest/gtest.h>

#include <string>

#include "guidriver/find.h"
#include "res/resource.h"
#include "support/setup_run.h"
#include "support/temp_folder.h"

namespace {

using guidriver::Duration;
using guidriver::Window;

constexpr Duration kTimeout(60000);

TEST(DamagedSetup, InstallAndTheUsbDriverSayTheSetupIsDamagedAndOpenNothingElse) {
    const std::string sample = testing_support::WindowsPathOf(E2E_SAMPLE_DIST) + "\\Setup.exe";
    std::string image = testing_support::ReadBytes(sample).value_or(std::string());
    ASSERT_GT(image.size(), 4096u) << sample;
    const size_t inArchive = image.size() - 4096;  // the archive runs to the end of an unsigned copy
    image[inArchive] = static_cast<char>(image[inArchive] ^ 0x01);
    testing_support::TempFolder scratch;
    testing_support::WriteBytes(scratch / "Setup.exe", image);

    e2e::SetupRun run(scratch / "Setup.exe", std::nullopt);
    Window main = run.WaitForMainWindow(kTimeout);
    const DWORD pid = run.Process().Id();
    const struct {
        int languageRow;
        int button;
        std::string message;
    } commands[] = {{0, IDC_INSTALL, "安装程序已损坏,请重新下载!"},
                    {2, IDC_USB_DRIVER, "The Setup is damaged, please download it again!"}};
    for (const auto& command : commands) {
        main.Control(IDC_LANGUAGE_LIST).SelectRow(command.languageRow);
        main.Control(command.button).Click();
        Window box = guidriver::WaitForMessageBox(pid, kTimeout);
        EXPECT_EQ(box.MessageText(), command.message);
        EXPECT_EQ(guidriver::TopLevelWindows(pid).size(), 2u) << "only the main window and the message";
        box.PressOk();
        box.WaitUntilClosed(kTimeout);
    }
}

}  // namespace
