// The Illustrator plug-in on real folders.
#include "plugin_fixture.h"

namespace plugin_tests {
namespace {

class IllustratorInstall : public PluginInstall {
protected:
    void SetUp() override {
        PluginInstall::SetUp();
        contents = MakeFolders("AI\\Support Files\\Contents\\Windows") + "\\";
    }
    void MakePluginsFolder() { plugins = MakeFolders("AI\\Support Files\\Required\\Plug-ins") + "\\"; }

    std::string contents;
    std::string plugins;
};

TEST_F(IllustratorInstall, PlacesTheChosenModuleAndClearsEveryOtherOne) {
    MakePluginsFolder();
    for (const char* stale : {"VRXPlugin_CC2014X64.aip", "VrxPlugin.aip", "VRXPlugin_C3OnlyWin32.aip"}) {
        WriteBytes(plugins + stale, "stale");
    }
    WriteBytes(plugins + "Other.aip", "another plug-in");
    WriteBytes(contents + "VRXCorel11.gms", "stale macro");

    Install(InstallType::Illustrator, 0, 2, scratch / "AI");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(testing_support::FilesBelow(plugins), (std::vector<std::string>{"OTHER.AIP", "VRXPLUGIN_C6X64.AIP"}));
    EXPECT_EQ(Content(plugins + "VRXPlugin_C6X64.aip"), "ai c6 x64");
    EXPECT_EQ(Content(contents + "VRXPrograms\\BeamDraft.exe"), "product");
    EXPECT_EQ(Content(contents + "VRXFonts\\Fs.shx"), "font fs");
    for (const char* gone : {"VRXCad", "VRXCorel", "VRXAi", "LXDriver", "VRXCorel11.gms"}) {
        EXPECT_FALSE(Exists(contents + gone)) << gone;
    }
    EXPECT_EQ(Content(contents + "VRXCfg\\SoftCfg.ini"), "[BaseCfg]\r\nLanguage=3\r\nUnit=0\r\n");

    // Another version later: the archive spells this module "...x64".
    Install(InstallType::Illustrator, 0, 6, scratch / "AI\\");
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(testing_support::FilesBelow(plugins), (std::vector<std::string>{"OTHER.AIP", "VRXPLUGIN_CC2014X64.AIP"}));
}

TEST_F(IllustratorInstall, WithoutThePlugInsFolderNothingIsWritten) {
    Install(InstallType::Illustrator, 0, 2, scratch / "AI");
    EXPECT_EQ(messages, std::vector<std::string>{"The path is error!"});
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(testing_support::FilesBelow(scratch / "AI"), std::vector<std::string>{});
}

TEST_F(IllustratorInstall, HeldFilesGiveTheUnpackMessageInTheUsersLanguage) {
    MakePluginsFolder();
    MakeFolders("AI\\Support Files\\Contents\\Windows\\VRXPrograms");
    const win::UniqueFile held = HoldOpen(contents + "VRXPrograms\\BeamDraft.exe");
    Install(InstallType::Illustrator, 0, 2, scratch / "AI");
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Can't unpack the files into the Illustrator folder, please Close Illustrator, and try to Install!"});
    language = shared::LanguageIndex{0};
    Install(InstallType::Illustrator, 0, 2, scratch / "AI");
    EXPECT_EQ(messages, std::vector<std::string>{"无法将文件解压到Illustrator目录,请关闭Illustrator,然后再重试!"});
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_FALSE(Exists(plugins + "VRXPlugin_C6X64.aip"));
}

}  // namespace
}  // namespace plugin_tests
