// The main window of the real Setup.exe: that start-up reads the SetupCfg.ini
// beside it (how each file reads is win/app's setup_config_test), how the
// Language list relabels it, the About item, and the ways to close it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "guidriver/find.h"
#include "res/resource.h"
#include "support/pictures.h"
#include "support/setup_run.h"

namespace {

using guidriver::Duration;
using guidriver::Key;
using guidriver::Window;
using Rows = std::vector<std::string>;

constexpr Duration kTimeout(30000);
constexpr char kAboutCaption[] = "关于 ZnSetup";

// Caption, Type label, Language label, Install button, USB driver button.
const Rows kChineseTexts = {"欢迎使用", "类型:", "语言:", "安装", "USB驱动安装"};
const Rows kEnglishTexts = {"Welcome to use", "Type:", "Lanuage:", "Install", "Install USB Driver"};
const Rows kLanguageRows = {"简体中文", "Traditional Chinese", "English", "Other"};

Rows TypeRows(const std::string& product) {
    return {product, "Plugin For CorelDraw", "Plugin For AutoCAD", "Plugin For Illustrator CS"};
}

Rows TextsOf(const Window& main) {
    return {main.Text(), main.Control(IDC_TYPE_LABEL).Text(), main.Control(IDC_LANGUAGE_LABEL).Text(),
            main.Control(IDC_INSTALL).Text(), main.Control(IDC_USB_DRIVER).Text()};
}

std::string Ini(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

void ExpectLists(const Window& main, const std::string& product, int languageRow) {
    EXPECT_EQ(main.Control(IDC_TYPE_LIST).Items(), TypeRows(product));
    EXPECT_EQ(main.Control(IDC_TYPE_LIST).SelectedRow(), 0);
    EXPECT_EQ(main.Control(IDC_LANGUAGE_LIST).Items(), kLanguageRows);
    EXPECT_EQ(main.Control(IDC_LANGUAGE_LIST).SelectedRow(), languageRow);
}

class MainWindow : public ::testing::Test {
protected:
    Window Start(const std::optional<std::string>& setupCfg = std::nullopt) {
        run_.emplace(E2E_SETUP_EXE, setupCfg);
        return run_->WaitForMainWindow();
    }
    bool EndsWithin(Duration timeout) { return run_->Process().WaitForExit(timeout).has_value(); }
    bool IsRunning() { return run_->Process().IsRunning(); }
    DWORD ProcessId() { return run_->Process().Id(); }

private:
    std::optional<e2e::SetupRun> run_;
};

// ---- start-up gives SetupCfg.ini's product and clamped language to the window ----

struct ConfigCase {
    std::string name;
    std::optional<std::string> setupCfg;
    Rows texts;
    std::string product;
    int languageRow;
};

void PrintTo(const ConfigCase& config, std::ostream* out) {
    *out << config.name << " with " << (config.setupCfg ? "SetupCfg.ini:\n" + *config.setupCfg : "no SetupCfg.ini");
}

class StartupConfig : public MainWindow, public ::testing::WithParamInterface<ConfigCase> {};

TEST_P(StartupConfig, ShowsConfiguredProductAndLanguage) {
    const ConfigCase& config = GetParam();
    const Window main = Start(config.setupCfg);
    EXPECT_EQ(TextsOf(main), config.texts);
    ExpectLists(main, config.product, config.languageRow);
}

INSTANTIATE_TEST_SUITE_P(
    Setup, StartupConfig,
    ::testing::Values(ConfigCase{"NoFile", std::nullopt, kChineseTexts, "BeamDraft", 0},
                      ConfigCase{"ProductAndLanguageNineClampedToOther", Ini({"[SetupCfg]", "SoftVer=LaserPro 2", "Language=9"}),
                                 kEnglishTexts, "LaserPro 2", 3}),
    [](const ::testing::TestParamInfo<ConfigCase>& info) { return info.param.name; });

// ---- the Language list relabels the window and changes nothing else ----

TEST_F(MainWindow, LanguageListSwitchesTextsAndKeepsBothLists) {
    const Window main = Start();
    const Window languages = main.Control(IDC_LANGUAGE_LIST);
    const struct {
        int row;
        const Rows& texts;
    } choices[] = {{3, kEnglishTexts}, {0, kChineseTexts}, {1, kEnglishTexts}, {2, kEnglishTexts}, {0, kChineseTexts}};
    for (const auto& choice : choices) {
        SCOPED_TRACE("chose " + kLanguageRows[static_cast<size_t>(choice.row)]);
        languages.SelectRow(choice.row);
        EXPECT_EQ(TextsOf(main), choice.texts);
        ExpectLists(main, "BeamDraft", choice.row);
    }
}

// ---- the About item of the system menu ----

// The About dialog is the same in either language: one start covers it.
TEST_F(MainWindow, AboutItemOpensModalAboutDialogThatOkCloses) {
    const Window main = Start();
    const std::string caption = main.Text();
    main.SystemCommand(IDM_ABOUTBOX);

    const Window about = guidriver::WaitForWindow(kAboutCaption, ProcessId(), kTimeout);
    EXPECT_EQ(::GetWindow(about.Handle(), GW_OWNER), main.Handle());
    EXPECT_FALSE(::IsWindowEnabled(main.Handle())) << "the About dialog is modal: the main window is disabled behind it";
    EXPECT_THROW(main.Control(IDC_INSTALL).Click(), guidriver::DriverError);
    Rows aboutTexts;
    for (const auto& child : about.Children()) aboutTexts.push_back(child.Text());
    EXPECT_NE(std::find(aboutTexts.begin(), aboutTexts.end(), "ZnSetup 1.0 版"), aboutTexts.end());
    EXPECT_EQ(about.Control(IDOK).Text(), "确定");

    about.PressOk();
    about.WaitUntilClosed(kTimeout);
    EXPECT_TRUE(main.Exists());
    EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
    EXPECT_EQ(main.Text(), caption);
    EXPECT_TRUE(IsRunning());
}

TEST_F(MainWindow, EscapeClosesOnlyTheAboutDialog) {
    const Window main = Start();
    main.SystemCommand(IDM_ABOUTBOX);
    const Window about = guidriver::WaitForWindow(kAboutCaption, ProcessId(), kTimeout);
    about.PressKey(Key::Escape);
    about.WaitUntilClosed(kTimeout);
    EXPECT_TRUE(main.Exists());
    EXPECT_TRUE(IsRunning());
}

// ---- focus and the ways to close the window ----

TEST_F(MainWindow, StartsWithFocusOnTypeList) {
    const Window main = Start();
    const auto focus = guidriver::PollUntil(kTimeout, [&] { return main.FocusedControl(); });
    ASSERT_TRUE(focus.has_value());
    EXPECT_EQ(focus->Id(), IDC_TYPE_LIST);
}

TEST_F(MainWindow, EscapeEndsProgram) {
    const Window main = Start();
    main.PressKey(Key::Escape);
    EXPECT_TRUE(EndsWithin(kTimeout));
}

TEST_F(MainWindow, EnterOnTypeListEndsProgram) {
    const Window main = Start();
    main.Control(IDC_TYPE_LIST).Focus();
    ASSERT_EQ(main.FocusedControl().value_or(Window()).Id(), IDC_TYPE_LIST);
    main.PressKey(Key::Enter);
    EXPECT_TRUE(EndsWithin(kTimeout));
}

TEST_F(MainWindow, EnterOnLanguageListEndsProgram) {
    const Window main = Start(Ini({"[SetupCfg]", "Language=3"}));
    main.Control(IDC_LANGUAGE_LIST).Focus();
    ASSERT_EQ(main.FocusedControl().value_or(Window()).Id(), IDC_LANGUAGE_LIST);
    main.PressKey(Key::Enter);
    EXPECT_TRUE(EndsWithin(kTimeout));
}

TEST_F(MainWindow, CloseBoxEndsProgram) {
    const Window main = Start();
    main.SystemCommand(SC_CLOSE);
    EXPECT_TRUE(EndsWithin(kTimeout));
}

// ---- pictures for the documentation (run on their own, see screenshots.sh) ----

class Screenshots : public MainWindow {
protected:
    static void Save(const Window& window, const std::string& name) {
        e2e::SaveWindowPicture(window.Handle(), e2e::WindowsPathOf(E2E_SCREENSHOT_DIR), name);
    }
};

TEST_F(Screenshots, MainWindowInChinese) {
    const Window main = Start();
    main.WaitForText(kChineseTexts[0], kTimeout);
    Save(main, "main-zh");
}

TEST_F(Screenshots, MainWindowInEnglish) {
    const Window main = Start(Ini({"[SetupCfg]", "Language=3"}));
    main.WaitForText(kEnglishTexts[0], kTimeout);
    Save(main, "main-en");
}

TEST_F(Screenshots, AboutDialog) {
    Start().SystemCommand(IDM_ABOUTBOX);
    Save(guidriver::WaitForWindow(kAboutCaption, ProcessId(), kTimeout), "about");
}

}  // namespace
