// The main window of the real Setup.exe: what it shows for each SetupCfg.ini,
// how the Language list relabels it, the About item, and the ways to close it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "guidriver/find.h"
#include "guidriver/screenshot.h"
#include "support/setup_run.h"

namespace {

using guidriver::Duration;
using guidriver::Key;
using guidriver::Window;
using Rows = std::vector<std::string>;

constexpr int kTypeList = 1000;
constexpr int kLanguageList = 1001;
constexpr int kInstall = 1002;
constexpr int kHiddenDriverButton = 1008;
constexpr int kTypeLabel = 1015;
constexpr int kLanguageLabel = 1016;
constexpr int kUsbDriver = 1017;
constexpr UINT kAboutCommand = 16;
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
    return {main.Text(), main.Control(kTypeLabel).Text(), main.Control(kLanguageLabel).Text(),
            main.Control(kInstall).Text(), main.Control(kUsbDriver).Text()};
}

std::string Ini(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

void ExpectLists(const Window& main, const std::string& product, int languageRow) {
    EXPECT_EQ(main.Control(kTypeList).Items(), TypeRows(product));
    EXPECT_EQ(main.Control(kTypeList).SelectedRow(), 0);
    EXPECT_EQ(main.Control(kLanguageList).Items(), kLanguageRows);
    EXPECT_EQ(main.Control(kLanguageList).SelectedRow(), languageRow);
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

// ---- SetupCfg.ini decides the first Type row and the starting language ----

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

ConfigCase Language(const std::string& name, const std::string& value, const Rows& texts, int row) {
    return {name, Ini({"[SetupCfg]", "Language=" + value}), texts, "BeamDraft", row};
}

INSTANTIATE_TEST_SUITE_P(
    Setup, StartupConfig,
    ::testing::Values(
        ConfigCase{"NoFile", std::nullopt, kChineseTexts, "BeamDraft", 0},
        ConfigCase{"EmptyFile", std::string(), kChineseTexts, "BeamDraft", 0},
        Language("Language1", "1", kChineseTexts, 0),
        Language("Language2", "2", kEnglishTexts, 1),
        Language("Language3", "3", kEnglishTexts, 2),
        Language("Language4", "4", kEnglishTexts, 3),
        Language("Language9ClampedToOther", "9", kEnglishTexts, 3),
        Language("Language3abcReadsAs3", "3abc", kEnglishTexts, 2),
        Language("LanguageMinus1", "-1", kChineseTexts, 0),
        Language("Language0", "0", kChineseTexts, 0),
        Language("LanguageLetters", "abc", kChineseTexts, 0),
        ConfigCase{"LowerCaseKeyIgnored", Ini({"[SetupCfg]", "language=3"}), kChineseTexts, "BeamDraft", 0},
        ConfigCase{"EmptySoftVer", Ini({"[SetupCfg]", "SoftVer="}), kChineseTexts, "", 0},
        ConfigCase{"SoftVerInOtherSectionIgnored", Ini({"[Other]", "SoftVer=Elsewhere", "Language=3", "[SetupCfg]"}),
                   kChineseTexts, "BeamDraft", 0},
        ConfigCase{"SoftVerThenLanguage", Ini({"[SetupCfg]", "SoftVer=LaserPro 2", "Language=3"}), kEnglishTexts,
                   "LaserPro 2", 2},
        ConfigCase{"LanguageThenSoftVer", Ini({"[SetupCfg]", "Language=3", "SoftVer=LaserPro 2"}), kEnglishTexts,
                   "LaserPro 2", 2},
        ConfigCase{"BlanksAroundKeysAndValues", Ini({"[SetupCfg]", "  SoftVer =  LaserPro  ", "\tLanguage = 2"}),
                   kEnglishTexts, "LaserPro", 1}),
    [](const ::testing::TestParamInfo<ConfigCase>& info) { return info.param.name; });

// ---- the Language list relabels the window and changes nothing else ----

TEST_F(MainWindow, LanguageListSwitchesTextsAndKeepsBothLists) {
    const Window main = Start();
    const Window languages = main.Control(kLanguageList);
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

TEST_F(MainWindow, EnglishStartSwitchesToChineseAndBack) {
    const Window main = Start(Ini({"[SetupCfg]", "Language=3"}));
    main.Control(kLanguageList).SelectRow(0);
    EXPECT_EQ(TextsOf(main), kChineseTexts);
    main.Control(kLanguageList).SelectRow(3);
    EXPECT_EQ(TextsOf(main), kEnglishTexts);
    ExpectLists(main, "BeamDraft", 3);
}

// ---- the About item of the system menu ----

class AboutItem : public MainWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(AboutItem, OpensModalAboutDialogThatOkCloses) {
    const Window main = Start(Ini({"[SetupCfg]", GetParam()}));
    const std::string caption = main.Text();
    main.SystemCommand(kAboutCommand);

    const Window about = guidriver::WaitForWindow(kAboutCaption, ProcessId(), kTimeout);
    EXPECT_EQ(::GetWindow(about.Handle(), GW_OWNER), main.Handle());
    EXPECT_FALSE(::IsWindowEnabled(main.Handle())) << "the main window stays usable behind the About dialog";
    EXPECT_THROW(main.Control(kInstall).Click(), guidriver::DriverError);
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

TEST_P(AboutItem, EscapeClosesOnlyTheAboutDialog) {
    const Window main = Start(Ini({"[SetupCfg]", GetParam()}));
    main.SystemCommand(kAboutCommand);
    const Window about = guidriver::WaitForWindow(kAboutCaption, ProcessId(), kTimeout);
    about.PressKey(Key::Escape);
    about.WaitUntilClosed(kTimeout);
    EXPECT_TRUE(main.Exists());
    EXPECT_TRUE(IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Setup, AboutItem, ::testing::Values("Language=1", "Language=3"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "Chinese" : "English");
                         });

// ---- focus, the hidden button, and the ways to close the window ----

TEST_F(MainWindow, StartsWithFocusOnTypeList) {
    const Window main = Start();
    const auto focus = guidriver::PollUntil(kTimeout, [&] { return main.FocusedControl(); });
    ASSERT_TRUE(focus.has_value());
    EXPECT_EQ(focus->Id(), kTypeList);
}

TEST_F(MainWindow, HiddenDriverButtonIsThereButUnreachable) {
    const Window main = Start();
    const auto hidden = main.FindControl(kHiddenDriverButton);
    ASSERT_TRUE(hidden.has_value());
    EXPECT_FALSE(hidden->IsVisible());
    EXPECT_FALSE(hidden->IsEnabled());
    EXPECT_THROW(hidden->Click(), guidriver::DriverError);
    EXPECT_TRUE(main.Control(kUsbDriver).IsVisible());
    EXPECT_TRUE(main.Control(kUsbDriver).IsEnabled());
}

TEST_F(MainWindow, EscapeEndsProgram) {
    const Window main = Start();
    main.PressKey(Key::Escape);
    EXPECT_TRUE(EndsWithin(kTimeout));
}

TEST_F(MainWindow, EnterOnTypeListEndsProgram) {
    const Window main = Start();
    main.Control(kTypeList).Focus();
    ASSERT_EQ(main.FocusedControl().value_or(Window()).Id(), kTypeList);
    main.PressKey(Key::Enter);
    EXPECT_TRUE(EndsWithin(kTimeout));
}

TEST_F(MainWindow, EnterOnLanguageListEndsProgram) {
    const Window main = Start(Ini({"[SetupCfg]", "Language=3"}));
    main.Control(kLanguageList).Focus();
    ASSERT_EQ(main.FocusedControl().value_or(Window()).Id(), kLanguageList);
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
        const std::string path = e2e::WindowsPathOf(E2E_SCREENSHOT_DIR) + "\\" + name + ".bmp";
        const auto size = guidriver::SaveScreenshot(window.Handle(), path);
        RECT frame{};
        ::GetWindowRect(window.Handle(), &frame);
        EXPECT_EQ(size.width, frame.right - frame.left);
        EXPECT_EQ(size.height, frame.bottom - frame.top);
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
    Start().SystemCommand(kAboutCommand);
    Save(guidriver::WaitForWindow(kAboutCaption, ProcessId(), kTimeout), "about");
}

}  // namespace
