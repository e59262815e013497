// The CorelDRAW plug-in on real folders, found through real registry keys.
#include "plugin_fixture.h"

namespace plugin_tests {
namespace {

class CorelInstall : public PluginInstall {
protected:
    // Both views start without Corel keys.
    RegistryTree view32{"Corel", KEY_WOW64_32KEY};
    RegistryTree view64{"Corel", KEY_WOW64_64KEY};
};

bool KeyOpensIn(REGSAM view, const std::string& path) {
    win::UniqueHkey key;
    return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, key.put()) == ERROR_SUCCESS;
}

TEST_F(CorelInstall, AutomaticModeInstallsIntoTheRegisteredFolder) {
    const std::string corel = MakeFolders("Corel\\Programs");
    const std::string corelFolder = corel.substr(0, corel.size() - 8);
    const std::string macros = MakeFolders("Corel\\Draw\\GMS") + "\\";
    WriteBytes(macros + "VRXCorel.gms", "old install");
    WriteBytes(macros + "VRXCorelEx.gms", "old version macro");
    WriteBytes(macros + "Mine.gms", "the user's own");
    // The second key of CorelDraw 11, and a destination with a trailing backslash.
    ASSERT_TRUE(view32.Set("Setup\\CorelDRAW SA 11", "Destination", corelFolder));
    language = shared::LanguageIndex{0};

    Install(InstallType::CorelDraw, 1, 0, "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Content(macros + "VRXCorel.gms"), "gms 11");
    EXPECT_FALSE(Exists(macros + "VRXCorelEx.gms"));
    EXPECT_EQ(Content(macros + "Mine.gms"), "the user's own");
    const std::string programs = corel + "\\";
    EXPECT_EQ(Content(programs + "VRXIptBdf.dll"), "corel dll");
    EXPECT_EQ(Content(programs + "VRXPrograms\\BeamDraft.exe"), "product");
    for (const char* gone : {"VRXCorel11.gms", "VRXCorelEx64.gms", "VRXCorelX34.gms", "VRXCorel", "VRXCad", "LXDriver"}) {
        EXPECT_FALSE(Exists(programs + gone)) << gone;
    }
    EXPECT_EQ(Content(programs + "VRXCfg\\SoftCfg.ini"), "[BaseCfg]\r\nLanguage=1\r\nUnit=0\r\n");
    EXPECT_EQ(Content(programs + "VRXLanguage\\en.lng"), "english");
    EXPECT_EQ(Content(programs + "VRXRes\\title.ico"), "icon");
}

TEST_F(CorelInstall, A64BitCorelDrawRegisteredOnlyInThe64BitViewIsFound) {
    const std::string programs = MakeFolders("Corel64\\Programs64");
    MakeFolders("Corel64\\Draw");
    const std::string key = "Setup\\CorelDRAW Technical Suite 17";
    ASSERT_TRUE(view64.Set(key, "Destination", scratch / "Corel64"));
    ASSERT_FALSE(KeyOpensIn(KEY_WOW64_32KEY, "SOFTWARE\\Corel\\" + key)) << "the views are not separate here";

    Install(InstallType::CorelDraw, 1, 8, "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Content(scratch / "Corel64\\Draw\\GMS\\VRXCorel.gms"), "gms ex64");
    EXPECT_EQ(Content(programs + "\\VRXIptBdf.dll"), "corel dll");
}

TEST_F(CorelInstall, WhatIsNotCorelDrawIsToldAndNothingIsWritten) {
    const std::string only32 = MakeFolders("Only32\\Programs");
    const std::string typed = only32.substr(0, only32.size() - 8);
    ASSERT_TRUE(view32.Set("Setup\\CorelDRAW Graphics Suite 12", "Destination", typed));

    Install(InstallType::CorelDraw, 0, 6, typed);  // the 64-bit row wants Programs64
    EXPECT_EQ(messages, std::vector<std::string>{"The path is error!"});
    EXPECT_FALSE(Exists(typed + "Draw"));
    Install(InstallType::CorelDraw, 1, 4, "");  // X5: its key is not there
    EXPECT_EQ(messages, std::vector<std::string>{"Can't find Coreldraw!"});
    Install(InstallType::CorelDraw, 1, 9, "");  // no such row
    EXPECT_EQ(messages, std::vector<std::string>{"Can't find Coreldraw!"});
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(testing_support::FilesBelow(typed), std::vector<std::string>{});
}

TEST_F(CorelInstall, ManualModeTellsTheUserToCloseCorelDrawWhileItsFilesAreHeld) {
    const std::string typed = MakeFolders("Typed\\Programs64");
    const std::string corelFolder = typed.substr(0, typed.size() - 10);
    {
        MakeFolders("Typed\\Programs64\\VRXPrograms");
        const win::UniqueFile held = HoldOpen(typed + "\\VRXPrograms\\BeamDraft.exe");
        Install(InstallType::CorelDraw, 0, 6, corelFolder);
        EXPECT_EQ(messages, std::vector<std::string>{"Please Close CorelDraw, and try to Install!"});
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_FALSE(Exists(corelFolder + "Draw\\GMS"));  // made only after the extraction
    }
    Install(InstallType::CorelDraw, 0, 6, corelFolder);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Content(corelFolder + "Draw\\GMS\\VRXCorel.gms"), "gms ex64");
}

TEST_F(CorelInstall, WithBothBuildsRegisteredThe64BitRowInstallsIntoThe64BitBuild) {
    MakeFolders("Corel32\\Programs");
    MakeFolders("Corel32\\Draw");
    MakeFolders("Corel64\\Programs64");
    MakeFolders("Corel64\\Draw");
    const std::string key = "Setup\\CorelDRAW Graphics Suite 16";
    ASSERT_TRUE(view32.Set(key, "Destination", scratch / "Corel32"));
    ASSERT_TRUE(view64.Set(key, "Destination", scratch / "Corel64"));

    Install(InstallType::CorelDraw, 1, 6, "");
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(Content(scratch / "Corel64\\Draw\\GMS\\VRXCorel.gms"), "gms ex64");
    EXPECT_FALSE(Exists(scratch / "Corel32\\Draw\\GMS\\VRXCorel.gms"));
}

}  // namespace
}  // namespace plugin_tests
