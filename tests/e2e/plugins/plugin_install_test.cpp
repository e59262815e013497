// The three plug-ins installed from the sample distribution through the real
// windows, found automatically and typed by hand, in Chinese and in English.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "guidriver/find.h"
#include "res/resource.h"
#include "shared/install_request.h"
#include "shared/profile_file_win32.h"
#include "support/folder_levels.h"
#include "support/registry_tree.h"
#include "support/setup_run.h"
#include "support/temp_folder.h"

namespace {

using guidriver::Duration;
using guidriver::Window;
using shared::InstallType;
using testing_support::RegistryTree;

constexpr Duration kTimeout(60000);

struct LanguageCase {
    int row;
    std::string pathDialogCaption;
    std::string success;
    const char* autoCadStartup;  // the payload's start-up file that becomes acad.lsp
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << "Language row " << c.row; }

std::string Content(const std::string& path) {
    return testing_support::ReadBytes(path).value_or("<missing " + path + ">");
}

std::string Payload(const std::string& entry) { return Content(e2e::WindowsPathOf(E2E_SAMPLE_PAYLOAD) + "\\" + entry); }

// The Type list's row that shows the type.
int RowOf(InstallType type) {
    int row = 0;
    while (shared::InstallTypeOfRow(row) != type) ++row;
    return row;
}

class PluginInstall : public ::testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override {
        main_ = run_.WaitForMainWindow(kTimeout);
        main_.Control(IDC_LANGUAGE_LIST).SelectRow(GetParam().row);
    }

    // Folders made level by level below the copy's folder; the path without a trailing backslash.
    std::string MakeFolders(const std::string& relative) const {
        return testing_support::MakeFolderLevels(run_.Copy().Folder(), relative);
    }

    // Install pressed for the type, the path dialog answered, OK: returns the one message box's text.
    std::string Install(InstallType type, bool automatic, int versionRow, const std::string& path) {
        main_.Control(IDC_TYPE_LIST).SelectRow(RowOf(type));
        main_.Control(IDC_INSTALL).Click();
        Window dialog = guidriver::WaitForWindow(GetParam().pathDialogCaption, run_.Process().Id(), kTimeout);
        const Window autoBox = dialog.Control(IDC_AUTO_INSTALL);
        if (autoBox.IsEnabled() && autoBox.IsChecked() != automatic) {
            autoBox.Click();
            guidriver::PollUntil(kTimeout, [&] { return autoBox.IsChecked() == automatic; });
        }
        if (versionRow >= 0) dialog.Control(IDC_VERSION_LIST).SelectRow(versionRow);
        if (!path.empty()) dialog.Control(IDC_INSTALL_PATH).Type(path);
        dialog.Control(IDOK).Click();
        Window box = guidriver::WaitForMessageBox(run_.Process().Id(), kTimeout);
        const std::string text = box.MessageText();
        box.PressOk();
        box.WaitUntilClosed(kTimeout);
        return text;
    }

    void ExpectSettings(const std::string& programsFolder) const {
        EXPECT_EQ(shared::ProfileFile(programsFolder + "\\VRXCfg\\SoftCfg.ini").ReadString("BaseCfg", "Language", "<none>"),
                  std::to_string(GetParam().row + 1));
    }

    e2e::SetupRun run_{e2e::SetupCopy::Distribution{E2E_SAMPLE_DIST}};
    Window main_;
};

TEST_P(PluginInstall, CorelDrawFromItsRegistryKeyAndFromATypedFolder) {
    RegistryTree corel{"Corel", KEY_WOW64_32KEY};
    const std::string programs11 = MakeFolders("Corel11\\Programs");
    MakeFolders("Corel11\\Draw");
    ASSERT_TRUE(corel.Set("Setup\\Corel Graphics Suite 11", "Destination", run_.Copy().Folder() + "Corel11"));
    EXPECT_EQ(Install(InstallType::CorelDraw, true, 0, ""), GetParam().success);
    EXPECT_EQ(Content(run_.Copy().Folder() + "Corel11\\Draw\\GMS\\VRXCorel.gms"), Payload("VRXCorel\\VRXCorel11.gms"));
    EXPECT_EQ(Content(programs11 + "\\VRXSrtCad64.dll"), Payload("VRXCorel\\VRXSrtCad64.dll"));
    ExpectSettings(programs11);

    const std::string programsX8 = MakeFolders("CorelX8\\Programs64");
    EXPECT_EQ(Install(InstallType::CorelDraw, false, 8, run_.Copy().Folder() + "CorelX8"), GetParam().success);
    EXPECT_EQ(Content(run_.Copy().Folder() + "CorelX8\\Draw\\GMS\\VRXCorel.gms"),
              Payload("VRXCorel\\VRXCorelEx64.gms"));
    EXPECT_EQ(Content(programsX8 + "\\VRXPrograms\\BeamDraft.exe"), Payload("VRXPrograms\\BeamDraft.exe"));
    ExpectSettings(programsX8);
}

TEST_P(PluginInstall, AutoCadFromTheRegistryAndFromATypedFolder) {
    RegistryTree autodesk{"Autodesk", KEY_WOW64_64KEY};
    const std::string registered = MakeFolders("Acad2024\\Fonts");
    const std::string acad2024 = registered.substr(0, registered.size() - 6);
    ASSERT_TRUE(autodesk.Set("AutoCAD\\R24.3\\ACAD-7101:409", "AcadLocation", acad2024));
    EXPECT_EQ(Install(InstallType::AutoCad, true, -1, ""), GetParam().success);
    EXPECT_EQ(Content(acad2024 + "\\acad.lsp"), Payload(std::string("VRXCad\\") + GetParam().autoCadStartup));
    EXPECT_EQ(Content(acad2024 + "\\Fonts\\gbcbig.shx"), Payload("VRXFonts\\gbcbig.shx"));
    ExpectSettings(acad2024);

    const std::string typed = MakeFolders("AcadTyped");
    std::ofstream(typed + "\\acad.exe") << "acad";
    EXPECT_EQ(Install(InstallType::AutoCad, false, -1, typed + "\\"), GetParam().success);
    EXPECT_EQ(Content(typed + "\\acad.dvb"), Payload("VRXCad\\acad.dvb"));
    ExpectSettings(typed);
}

TEST_P(PluginInstall, IllustratorIntoATypedFolder) {
    const std::string contents = MakeFolders("AI\\Support Files\\Contents\\Windows");
    const std::string plugins = MakeFolders("AI\\Support Files\\Required\\Plug-ins");
    EXPECT_EQ(Install(InstallType::Illustrator, false, 6, run_.Copy().Folder() + "AI"), GetParam().success);
    EXPECT_EQ(Content(plugins + "\\VRXPlugin_CC2014X64.aip"), Payload("VrxAi\\VRXPlugin_CC2014x64.aip"));
    EXPECT_EQ(Content(contents + "\\VRXPrograms\\BeamDraft.exe"), Payload("VRXPrograms\\BeamDraft.exe"));
    EXPECT_EQ(::GetFileAttributesA((contents + "\\VRXAi").c_str()), INVALID_FILE_ATTRIBUTES);
    ExpectSettings(contents);
}

INSTANTIATE_TEST_SUITE_P(Languages, PluginInstall,
                         ::testing::Values(LanguageCase{0, "选择安装目录", "安装成功!", "acad_CH.lsp"},
                                           LanguageCase{2, "Select install path", "Install OK!", "acad_EN.lsp"}));

}  // namespace
