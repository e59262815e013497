// Installing the product from the sample distribution through the real
// windows: the path dialog, the busy window, the messages, and what lands on
// disk, for each row of the Language list.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

#include "guidriver/find.h"
#include "guidriver/text.h"
#include "res/resource.h"
#include "support/setup_run.h"

namespace {

using guidriver::Duration;
using guidriver::Window;

constexpr Duration kTimeout(60000);

struct LanguageCase {
    int row;
    std::string pathDialogCaption;
    std::string success;
    std::string productBusy;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << "Language row " << c.row; }

bool Exists(const std::string& path) { return ::GetFileAttributesW(guidriver::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE);
    return guidriver::Narrow(path);
}

std::string ProfileValue(const std::string& file, const char* section, const char* key) {
    char value[256] = {};
    ::GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, file.c_str());
    return value;
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
    EXPECT_EQ(ProfileValue(settings, "BaseCfg", "Language"), std::to_string(GetParam().row + 1));
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

}  // namespace
