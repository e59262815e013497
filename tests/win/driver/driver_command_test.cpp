// The USB-driver buttons of the main window: the progress window's caption by
// language and its place, the pacing of its bar, and commands that arrive
// while the run waits.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/main_dialog_win32.h"
#include "driver/driver_command_win32.h"
#include "shared/window_placement_win32.h"
#include "res/resource.h"
#include "support/temp_folder.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace {

struct ShownWindow {
    std::string caption;
    shared::Rect rect;
};

BOOL CALLBACK CollectOwnedWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<std::pair<HWND, std::vector<ShownWindow>>*>(context);
    if (::GetWindow(window, GW_OWNER) != search->first || !::IsWindowVisible(window)) return TRUE;
    wchar_t caption[128] = {};
    ::GetWindowTextW(window, caption, 128);
    search->second.push_back({win::ToUtf8(caption), shared::ScreenRectOf(window)});
    return TRUE;
}

// The windows of this thread that the main window owns, as they stand now.
std::vector<ShownWindow> OwnedWindows(HWND main) {
    std::pair<HWND, std::vector<ShownWindow>> search{main, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectOwnedWindow, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

class DriverCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(main.CreateModeless(), nullptr);
        ::SetWindowPos(main.Handle(), nullptr, 101, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    testing_support::TempFolder scratch;
    const std::string systemFolder = scratch.MakeFolder("system32");
    std::vector<std::string> messages;
    std::vector<ShownWindow> shown;
    std::function<void()> onMessage = [] {};
    app::MainDialog main{Seams()};

private:
    app::CommandSeams Seams() {
        app::CommandSeams seams;
        seams.driver.systemFacts.systemFolder = [this] { return std::optional<std::string>(systemFolder); };
        // No archive: the run stops at its first message, while its window is up.
        seams.driver.extractSource.archivePath = scratch / "missing.exe";
        seams.driver.showMessage = [this](const std::string& text) {
            messages.push_back(text);
            shown = OwnedWindows(main.Handle());
            onMessage();
        };
        return seams;
    }
};

TEST_F(DriverCommand, BothButtonsShowTheCaptionOfTheLanguageCentredOnTheMainWindow) {
    const shared::Point centre = shared::CentreOf(shared::ScreenRectOf(main.Handle()));
    const char* const captions[] = {"安装驱动...", "Installing the driver...", "Installing the driver...",
                                    "Installing the driver..."};
    for (const int button : {IDC_USB_DRIVER, IDC_DRIVER_HIDDEN}) {
        for (int row = 0; row < 4; ++row) {
            SCOPED_TRACE("button " + std::to_string(button) + ", language row " + std::to_string(row));
            messages.clear();
            shown.clear();
            ::SendMessageW(main.Item(IDC_LANGUAGE_LIST), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
            ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(main.Item(button)));
            EXPECT_EQ(messages, std::vector<std::string>{"error!"});
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].caption, captions[row]);
            const shared::Rect& rect = shown[0].rect;
            EXPECT_EQ(rect.left, centre.x - (rect.right - rect.left) / 2);
            EXPECT_EQ(rect.top, centre.y - (rect.bottom - rect.top) / 2);
            EXPECT_TRUE(OwnedWindows(main.Handle()).empty());  // gone with its command
        }
    }
}

TEST_F(DriverCommand, AButtonCommandThatArrivesWhileTheRunWaitsIsIgnored) {
    const LPARAM button = reinterpret_cast<LPARAM>(main.Item(IDC_USB_DRIVER));
    onMessage = [&] {
        if (messages.size() == 1) ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(IDC_USB_DRIVER, BN_CLICKED), button);
    };
    ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(IDC_USB_DRIVER, BN_CLICKED), button);
    EXPECT_EQ(messages, std::vector<std::string>{"error!"});
    ::SendMessageW(main.Handle(), WM_COMMAND, MAKEWPARAM(IDC_USB_DRIVER, BN_CLICKED), button);
    EXPECT_EQ(messages.size(), 2u) << "the next command runs";
}

TEST(DriverPacing, ThePauseAnswersAMessageSentMeanwhile) {
    win::UniqueWindow window(::CreateWindowExW(0, L"STATIC", L"BeamDraft", 0, 0, 0, 10, 10, nullptr, nullptr,
                                               nullptr, nullptr));
    ASSERT_TRUE(window);
    DWORD_PTR length = 0;
    LRESULT answered = 0;
    DWORD answeredAt = 0;
    std::thread sender([&] {
        ::Sleep(50);
        answered = ::SendMessageTimeoutW(window.get(), WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 3000, &length);
        answeredAt = ::GetTickCount();
    });
    driver::ProgressPacing pacing;
    pacing.shortestPause = pacing.longestPause = 400;
    driver::SpinProgressPause(pacing);
    const DWORD pauseEnd = ::GetTickCount();
    sender.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(length, 9u);
    EXPECT_LT(static_cast<LONG>(answeredAt - pauseEnd), 0) << "answered during the pause";
}

TEST(DriverPacing, TwentyTwoStepsWithPausesOf250To350Ms) {
    const driver::ProgressPacing pacing;
    EXPECT_EQ(pacing.stepCount, 22u);
    for (int pause = 0; pause < 4; ++pause) {
        const DWORD start = ::GetTickCount();
        driver::SpinProgressPause(pacing);
        const DWORD took = ::GetTickCount() - start;
        EXPECT_GE(took, 250u) << pause;
        EXPECT_LE(took, 350u + 150u) << pause;  // slack for a busy machine
    }
}

}  // namespace
