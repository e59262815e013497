// The AutoCAD plug-in on real folders, found through real registry keys.
#include "plugin_fixture.h"

namespace plugin_tests {
namespace {

class AutoCadInstall : public PluginInstall {
protected:
    // A folder that looks like an AutoCAD installation; no trailing backslash.
    std::string MakeAutoCad(const std::string& name, bool withFonts = true) {
        const std::string folder = MakeFolders(name);
        WriteBytes(folder + "\\acad.exe", "acad");
        WriteBytes(folder + "\\acad.lsp", "autocad's own");
        if (withFonts) MakeFolders(name + "\\Fonts");
        return folder;
    }

    void ExpectServed(const std::string& folder, const char* lisp = "lsp en") {
        SCOPED_TRACE(folder);
        const std::string f = folder + "\\";
        EXPECT_EQ(Content(f + "VRXSrtCad.dll"), "cad dll");
        EXPECT_EQ(Content(f + "VRXStart.bmp"), "cad bmp");
        EXPECT_EQ(Content(f + "acad.dvb"), "dvb");
        EXPECT_EQ(Content(f + "acad.lsp"), lisp);
        EXPECT_EQ(Content(f + "VRXPrograms\\BeamDraft.exe"), "product");
        EXPECT_EQ(Content(f + "VRXDriver\\VrxUsb.inf"), "usb inf");
        EXPECT_FALSE(Exists(f + "VRXCad"));
        EXPECT_FALSE(Exists(f + "VRXCorel"));
        EXPECT_FALSE(Exists(f + "LXDriver"));
        EXPECT_EQ(Content(f + "VRXCfg\\SoftCfg.ini"), "[BaseCfg]\r\nLanguage=3\r\nUnit=0\r\n");
        EXPECT_EQ(Content(f + "VRXLanguage\\en.lng"), "english");
    }

    RegistryTree view32{"Autodesk", KEY_WOW64_32KEY};
    RegistryTree view64{"Autodesk", KEY_WOW64_64KEY};
};

TEST_F(AutoCadInstall, ManualModeServesTheTypedFolderWithItsFonts) {
    const std::string acad = MakeAutoCad("Acad");
    language = shared::LanguageIndex{0};
    Install(InstallType::AutoCad, 0, -1, acad + "\\");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Content(acad + "\\acad.lsp"), "lsp ch");
    EXPECT_EQ(Content(acad + "\\Fonts\\Fs.shx"), "font fs");
    EXPECT_EQ(Content(acad + "\\Fonts\\txt.shx"), "font txt");

    const std::string notAcad = MakeFolders("NotAcad");
    Install(InstallType::AutoCad, 0, -1, notAcad);
    EXPECT_EQ(messages, std::vector<std::string>{"错误的文件目录!"});
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(testing_support::FilesBelow(notAcad), std::vector<std::string>{});
}

TEST_F(AutoCadInstall, EveryProductOfEveryReleaseIsServedAndAMissingFontsFolderIsNoFailure) {
    const std::vector<std::string> folders = {MakeAutoCad("R18A", false), MakeAutoCad("R18B"), MakeAutoCad("R19A"),
                                              MakeAutoCad("R19B")};
    ASSERT_TRUE(view32.Set("AutoCAD\\R18.0\\ACAD-8001:409", "AcadLocation", folders[0]));
    ASSERT_TRUE(view32.Set("AutoCAD\\R18.0\\ACAD-8002:409", "AcadLocation", folders[1]));
    ASSERT_TRUE(view32.Set("AutoCAD\\R19.0\\ACAD-9001:409", "AcadLocation", folders[2]));
    ASSERT_TRUE(view32.Set("AutoCAD\\R19.0\\ACAD-9002:409", "AcadLocation", folders[3]));
    ASSERT_TRUE(view32.Set("AutoCAD\\R19.0\\NoLocation", "Other", "x"));

    Install(InstallType::AutoCad, 1, -1, "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    for (const std::string& folder : folders) ExpectServed(folder);
    EXPECT_FALSE(Exists(folders[0] + "\\Fonts"));
    EXPECT_EQ(Content(folders[1] + "\\Fonts\\Fs.shx"), "font fs");
}

TEST_F(AutoCadInstall, A64BitAutoCadIsServedOnceBesideThe32BitOnes) {
    const std::string acad32 = MakeAutoCad("Acad32");
    const std::string acad64 = MakeAutoCad("Acad64");
    ASSERT_TRUE(view32.Set("AutoCAD\\R20.0\\ACAD-E001:409", "AcadLocation", acad32));
    ASSERT_TRUE(view64.Set("AutoCAD\\R20.0\\ACAD-E001:409", "AcadLocation", acad32));  // the same product seen twice
    ASSERT_TRUE(view64.Set("AutoCAD\\R20.0\\ACAD-E002:409", "AcadLocation", acad64));
    {
        // While the 64-bit AutoCAD holds a file, only its folder fails, after the 32-bit one is served.
        MakeFolders("Acad64\\VRXPrograms");
        const win::UniqueFile held = HoldOpen(acad64 + "\\VRXPrograms\\BeamDraft.exe");
        Install(InstallType::AutoCad, 1, -1, "");
        EXPECT_EQ(messages, std::vector<std::string>{"Please Close AutoCAD, and try to Install!"});
        EXPECT_FALSE(outcome.succeeded);
        ExpectServed(acad32);
    }
    Install(InstallType::AutoCad, 1, -1, "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    ExpectServed(acad64);
}

TEST_F(AutoCadInstall, AGoneFolderEndsTheRunAfterTheFoldersBeforeIt) {
    const std::string first = MakeAutoCad("First");
    ASSERT_TRUE(view32.Set("AutoCAD\\R18.0\\ACAD-1:409", "AcadLocation", first));
    ASSERT_TRUE(view32.Set("AutoCAD\\R18.0\\ACAD-2:409", "AcadLocation", scratch / "Uninstalled"));
    Install(InstallType::AutoCad, 1, -1, "");
    EXPECT_EQ(messages, std::vector<std::string>{"Please Close AutoCAD, and try to Install!"});
    EXPECT_FALSE(outcome.succeeded);
    ExpectServed(first);
    EXPECT_FALSE(Exists(scratch / "Uninstalled"));
}

TEST_F(AutoCadInstall, WithoutAnAutodeskRegistrationTheUserIsTold) {
    Install(InstallType::AutoCad, 1, -1, "");
    EXPECT_EQ(messages, std::vector<std::string>{"Can't find AutoCAD!"});
    EXPECT_FALSE(outcome.succeeded);
    // An AutoCAD key without products is a run that installed nothing.
    ASSERT_TRUE(view32.Set("AutoCAD", "Info", "x"));
    Install(InstallType::AutoCad, 1, -1, "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
}

}  // namespace
}  // namespace plugin_tests
