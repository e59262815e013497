// Installing the product from the sample distribution through the real
// windows: the path dialog, the busy window, the messages, and what lands on
// disk, for each row of the Language list.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "guidriver/find.h"
#include "guidriver/process.h"
#include "guidriver/screenshot.h"
#include "guidriver/text.h"
#include "res/resource.h"
#include "shared/profile_file_win32.h"
#include "support/setup_run.h"
#include "support/temp_folder.h"

namespace {

using guidriver::Duration;
using guidriver::Window;
using testing_support::Exists;

constexpr Duration kTimeout(60000);

struct LanguageCase {
    int row;
    std::string pathDialogCaption;
    std::string success;
    std::string productBusy;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << "Language row " << c.row; }

std::string ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE);
    return guidriver::Narrow(path);
}

// Shortcuts land in the prefix's real desktop and programs folders.
struct Shortcuts {
    std::string desktop = ShellFolder(CSIDL_DESKTOP) + "\\BeamDraft.lnk";
    std::string startMenu = ShellFolder(CSIDL_PROGRAMS) + "\\BeamDraft\\BeamDraft.lnk";
    std::string uninstall = ShellFolder(CSIDL_PROGRAMS) + "\\BeamDraft\\Uninstall.lnk";
    void Remove() const {
        for (const std::string& link : {desktop, startMenu, uninstall}) ::DeleteFileA(link.c_str());
    }
};

class ProductInstall : public ::testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override {
        shortcuts_.Remove();
        main_ = run_.WaitForMainWindow(kTimeout);
        main_.Control(IDC_LANGUAGE_LIST).SelectRow(GetParam().row);
        target_ = run_.Copy().Folder() + "target";
        ::CreateDirectoryA(target_.c_str(), nullptr);
    }
    void TearDown() override { shortcuts_.Remove(); }

    // Install pressed, the path typed, OK: returns the one message box's text.
    std::string InstallAndReadMessage() {
        main_.Control(IDC_INSTALL).Click();
        Window dialog = guidriver::WaitForWindow(GetParam().pathDialogCaption, Pid(), kTimeout);
        dialog.Control(IDC_INSTALL_PATH).Type(target_);
        dialog.Control(IDOK).Click();
        Window box = guidriver::WaitForMessageBox(Pid(), kTimeout);
        const std::string text = box.MessageText();
        box.PressOk();
        box.WaitUntilClosed(kTimeout);
        return text;
    }

    // The command has returned to the main window's loop and shows nothing more.
    bool NoFurtherWindow() {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(main_.Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
        return !guidriver::PollUntil(Duration(500), [&] { return guidriver::TopLevelWindows(Pid()).size() > 1; });
    }

    DWORD Pid() { return run_.Process().Id(); }
    std::string Product(const std::string& name) const { return target_ + "\\BeamDraft\\" + name; }

    e2e::SetupRun run_{e2e::SetupCopy::Distribution{E2E_SAMPLE_DIST}};
    Window main_;
    std::string target_;
    Shortcuts shortcuts_;
};

TEST_P(ProductInstall, InstallsThenReportsTheProductBusyWhenAFileCannotBeReplaced) {
    EXPECT_EQ(InstallAndReadMessage(), GetParam().success);
    EXPECT_TRUE(NoFurtherWindow());

    EXPECT_TRUE(Exists(Product("VRXPrograms\\BeamDraft.exe")));
    EXPECT_TRUE(Exists(Product("VRXFonts")));
    EXPECT_TRUE(Exists(Product("VRXDriver")));
    for (const char* gone : {"VRXCad", "VRXCorel", "VRXAi"}) EXPECT_FALSE(Exists(Product(gone))) << gone;
    for (const char* supplied : {"VRXDoc", "VRXLanguage", "VRXRes\\title.ico"}) {
        EXPECT_TRUE(Exists(Product(supplied))) << supplied;
    }
    const std::string settings = Product("VRXCfg\\SoftCfg.ini");
    EXPECT_EQ(shared::ProfileFile(settings).ReadString("BaseCfg", "Language", "<none>"), std::to_string(GetParam().row + 1));
    for (const std::string& link : {shortcuts_.desktop, shortcuts_.startMenu, shortcuts_.uninstall}) {
        EXPECT_TRUE(Exists(link)) << link;
    }

    // A running product holds its files; a read-only one refuses the same way.
    shortcuts_.Remove();
    ASSERT_TRUE(::SetFileAttributesA(Product("VRXPrograms\\BeamDraft.exe").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(InstallAndReadMessage(), GetParam().productBusy);
    EXPECT_TRUE(NoFurtherWindow());
    EXPECT_FALSE(Exists(shortcuts_.desktop));
    EXPECT_TRUE(run_.Process().IsRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ProductInstall,
    ::testing::Values(
        LanguageCase{0, "选择安装目录", "安装成功!", "安装失败! 关闭正在运行的BeamDraft后重试"},
        LanguageCase{1, "Select install path", "Install OK!", "error! please Close the BeamDraft!"},
        LanguageCase{2, "Select install path", "Install OK!", "Can't copy files, error!"},
        LanguageCase{3, "Select install path", "Install OK!", "Can't copy files, error!"}));

// ---- a picture for the documentation (run on its own, see screenshots.sh) ----

class BusyWindowScreenshots : public ProductInstall {
protected:
    // The blank dialog, owned by the main window, shown while the files are copied.
    std::optional<Window> VisibleBusyWindow() {
        for (const Window& window : guidriver::TopLevelWindows(Pid())) {
            if (window.ClassName() == "#32770" && window.Children().empty() &&
                ::GetWindow(window.Handle(), GW_OWNER) == main_.Handle()) {
                return window;
            }
        }
        return std::nullopt;
    }

    bool SuccessShown() {
        for (const Window& window : guidriver::TopLevelWindows(Pid())) {
            if (window.FindControl(0xFFFF) && window.MessageText() == GetParam().success) return true;
        }
        return false;
    }

    // Holds the program still once its task has begun under the busy window
    // and takes the busy window over the main window; nothing when the
    // installation ended before that could be caught.
    std::optional<guidriver::ScreenPicture> CatchBusyWindow() {
        const auto deadline = std::chrono::steady_clock::now() + kTimeout;
        while (std::chrono::steady_clock::now() < deadline) {
            const std::optional<Window> busy = VisibleBusyWindow();
            if (!busy) {
                if (SuccessShown()) return std::nullopt;
                ::Sleep(1);
                continue;
            }
            guidriver::SuspendedProcess held(Pid());
            if (!busy->Exists() || !Exists(target_ + "\\BeamDraft")) continue;
            ::GetWindowRect(main_.Handle(), &mainFrame_);
            ::GetWindowRect(busy->Handle(), &busyFrame_);
            ::GetClientRect(busy->Handle(), &busyClient_);
            ::MapWindowPoints(busy->Handle(), nullptr, reinterpret_cast<POINT*>(&busyClient_), 2);
            // The busy window is wider than the main window: both, with a margin.
            ::UnionRect(&area_, &mainFrame_, &busyFrame_);
            ::InflateRect(&area_, 16, 16);
            return guidriver::SettledScreenArea(area_);
        }
        return std::nullopt;
    }

    // The busy window's client area is all dialog face: drawn over what lay beneath it.
    bool BusyWindowDrawn(const guidriver::ScreenPicture& picture) const {
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        for (int y = busyClient_.top; y < busyClient_.bottom; ++y) {
            for (int x = busyClient_.left; x < busyClient_.right; ++x) {
                if (picture.Pixel(x - area_.left, y - area_.top) != face) return false;
            }
        }
        return !::IsRectEmpty(&busyClient_);
    }

    // Share of the main window's client area, outside the busy window, that
    // differs between two pictures of area_.
    double MainWindowChange(const guidriver::ScreenPicture& before, const guidriver::ScreenPicture& after) const {
        RECT client{};
        ::GetClientRect(main_.Handle(), &client);
        ::MapWindowPoints(main_.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        int compared = 0, changed = 0;
        for (int y = client.top; y < client.bottom; ++y) {
            for (int x = client.left; x < client.right; ++x) {
                if (::PtInRect(&busyFrame_, POINT{x, y})) continue;
                ++compared;
                const int px = x - area_.left, py = y - area_.top;
                if (before.Pixel(px, py) != after.Pixel(px, py)) ++changed;
            }
        }
        return compared == 0 ? 1.0 : static_cast<double>(changed) / compared;
    }

    RECT mainFrame_{};
    RECT busyFrame_{};
    RECT busyClient_{};
    RECT area_{};
};

TEST_P(BusyWindowScreenshots, BusyWindow) {
    main_.Control(IDC_INSTALL).Click();
    Window dialog = guidriver::WaitForWindow(GetParam().pathDialogCaption, Pid(), kTimeout);
    dialog.Control(IDC_INSTALL_PATH).Type(target_);
    dialog.Control(IDOK).Click();
    const std::optional<guidriver::ScreenPicture> during = CatchBusyWindow();
    ASSERT_TRUE(during) << "the installation ended before its busy window was caught";
    during->SaveBmp(e2e::WindowsPathOf(E2E_SCREENSHOT_DIR) + "\\busy-window.bmp");
    EXPECT_TRUE(BusyWindowDrawn(*during));
    EXPECT_NEAR((busyFrame_.left + busyFrame_.right) / 2, (mainFrame_.left + mainFrame_.right) / 2, 1);
    EXPECT_NEAR((busyFrame_.top + busyFrame_.bottom) / 2, (mainFrame_.top + mainFrame_.bottom) / 2, 1);

    Window box = guidriver::WaitForMessageBox(Pid(), kTimeout);
    EXPECT_EQ(box.MessageText(), GetParam().success);
    box.PressOk();
    box.WaitUntilClosed(kTimeout);
    ASSERT_TRUE(NoFurtherWindow());
    // Beside the busy window the main window looks as it does once idle again:
    // no hole where the path dialog was or where the busy window first showed.
    EXPECT_LT(MainWindowChange(*during, guidriver::SettledScreenArea(area_)), 0.02);
}

INSTANTIATE_TEST_SUITE_P(Chinese, BusyWindowScreenshots,
                         ::testing::Values(LanguageCase{0, "选择安装目录", "安装成功!", ""}));

}  // namespace
