// The Illustrator plug-in planned from the typed folder and the chosen version.
#include "plugins/illustrator_plan.h"

#include <gtest/gtest.h>

#include "plugin_test_inputs.h"

namespace plugins {
namespace {

PluginInputs Inputs(int versionIndex, const std::string& installPath = "C:\\AI") {
    return InputsFor{installPath, 0, versionIndex, 3}.Make();
}

constexpr IllustratorFacts kBothFolders{true, true};

std::vector<std::string> Lines(const shared::Plan& plan) { return shared::Describe(plan); }

const std::string kContents = "C:\\AI\\Support Files\\Contents\\Windows\\";
const std::string kPlugins = "C:\\AI\\Support Files\\Required\\Plug-ins\\";

std::vector<std::string> Deleted(const std::string& folder, const std::vector<std::string>& names) {
    std::vector<std::string> lines;
    for (const std::string& name : names) lines.push_back("delete file " + folder + name);
    return lines;
}

TEST(IllustratorPlan, InstallsStepByStep) {
    std::vector<std::string> expected = {
        "extract product into " + kContents +
            " else say Can't unpack the files into the Illustrator folder, please Close Illustrator, and try to Install!",
        "empty folder " + kContents + "VRXCad\\",
        "remove folder " + kContents + "VRXCad\\",
        "empty folder " + kContents + "VRXCorel\\",
        "remove folder " + kContents + "VRXCorel\\",
    };
    for (const std::string& line : Deleted(kPlugins, {"VRXPlugin_C3OnlyWin32.aip", "VRXPlugin_C4OnlyWin32.aip",
                                                      "VRXPlugin_C5OnlyWin32.aip", "VRXPlugin_C6Win32.aip",
                                                      "VRXPlugin_C6X64.aip", "VRXPlugin_CCWin32.aip",
                                                      "VRXPlugin_CCX64.aip", "VRXPlugin_CC2014Win32.aip",
                                                      "VRXPlugin_CC2014X64.aip", "VRXPlugin_CC2015Win32.aip",
                                                      "VRXPlugin_CC2015X64.aip", "VRXPlugin_CC2017Win32.aip",
                                                      "VRXPlugin_CC2017X64.aip", "VrxPlugin64.aip",
                                                      "VrxPlugin64En.aip", "VrxPlugin.aip", "VrxPluginEn.aip"})) {
        expected.push_back(line);
    }
    expected.push_back("copy file " + kContents + "VRXAi\\VRXPlugin_C6X64.aip -> " + kPlugins + "VRXPlugin_C6X64.aip");
    expected.push_back("empty folder " + kContents + "VRXAi\\");
    expected.push_back("remove folder " + kContents + "VRXAi\\");
    for (const std::string& line :
         Deleted(kContents, {"VRXCorel11.gms", "VRXCorel12.gms", "VRXCorelEx.gms", "VRXCorelX5.gms"})) {
        expected.push_back(line);
    }
    for (const std::string& line : {"create folder " + kContents + "VRXLanguage\\", "create folder " + kContents + "VRXRes\\",
                                    "create folder " + kContents + "VRXCfg\\",
                                    "rewrite files E:\\Dist\\VRXCfg\\ -> " + kContents + "VRXCfg\\",
                                    "copy files E:\\Dist\\VRXLanguage\\ -> " + kContents + "VRXLanguage\\",
                                    "copy files E:\\Dist\\VRXRes\\ -> " + kContents + "VRXRes\\",
                                    "write [BaseCfg] Language=4 in " + kContents + "VRXCfg\\SoftCfg.ini",
                                    std::string("set result")}) {
        expected.push_back(line);
    }
    EXPECT_EQ(Lines(PlanIllustratorInstall(Inputs(2), kBothFolders)), expected);
    EXPECT_EQ(Lines(PlanIllustratorInstall(Inputs(2, "C:\\AI\\"), kBothFolders)), expected);
}

std::vector<std::string> ModuleCopies(const shared::Plan& plan) {
    std::vector<std::string> copies;
    for (const shared::Step& step : plan.Steps()) {
        if (step.kind == shared::StepKind::CopyOneFile) copies.push_back(step.source + " -> " + step.path);
    }
    return copies;
}

TEST(IllustratorPlan, EachVersionPlacesItsOwnModuleAndNoneOutsideTheTable) {
    const std::vector<std::string> modules = {
        "VRXPlugin_C5OnlyWin32.aip", "VRXPlugin_C6Win32.aip",     "VRXPlugin_C6X64.aip",
        "VRXPlugin_CCWin32.aip",     "VRXPlugin_CCX64.aip",       "VRXPlugin_CC2014Win32.aip",
        "VRXPlugin_CC2014X64.aip",   "VRXPlugin_CC2015Win32.aip", "VRXPlugin_CC2015X64.aip",
        "VRXPlugin_CC2017Win32.aip", "VRXPlugin_CC2017X64.aip"};
    for (int index = 0; index < static_cast<int>(modules.size()); ++index) {
        EXPECT_EQ(ModuleCopies(PlanIllustratorInstall(Inputs(index), kBothFolders)),
                  std::vector<std::string>{kContents + "VRXAi\\" + modules[index] + " -> " + kPlugins + modules[index]})
            << index;
    }
    for (int index : {-1, 11}) {
        const shared::Plan plan = PlanIllustratorInstall(Inputs(index), kBothFolders);
        EXPECT_TRUE(ModuleCopies(plan).empty()) << index;
        EXPECT_EQ(Lines(plan).back(), "set result");
    }
}

TEST(IllustratorPlan, AFolderWithoutBothSupportFoldersIsTheWrongPath) {
    EXPECT_EQ(IllustratorFoldersOf(Inputs(0)).contents, "C:\\AI\\Support Files\\Contents\\Windows");
    EXPECT_EQ(IllustratorFoldersOf(Inputs(0, "C:\\AI\\")).plugins, "C:\\AI\\Support Files\\Required\\Plug-ins");
    for (const IllustratorFacts facts : {IllustratorFacts{true, false}, IllustratorFacts{false, true}}) {
        EXPECT_EQ(Lines(PlanIllustratorInstall(Inputs(2), facts)),
                  std::vector<std::string>{"say The path is error! and stop"});
    }
}

}  // namespace
}  // namespace plugins
