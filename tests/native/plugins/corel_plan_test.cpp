// The CorelDRAW plug-in planned from the chosen version and what the system showed.
#include "plugins/corel_plan.h"

#include <gtest/gtest.h>

#include "plugin_test_inputs.h"

#include <algorithm>

namespace plugins {
namespace {

PluginInputs Inputs(int versionIndex, bool findHost, const std::string& installPath = "D:\\Corel") {
    return InputsFor{installPath, findHost, versionIndex, 2}.Make();
}

CorelFacts Found(const std::string& destination) {
    CorelFacts facts;
    facts.destination = destination;
    return facts;
}

CorelFacts FolderExists() {
    CorelFacts facts;
    facts.programFolderExists = true;
    return facts;
}

std::vector<std::string> Lines(const shared::Plan& plan) { return shared::Describe(plan); }

const shared::Step* FirstOf(const shared::Plan& plan, shared::StepKind kind) {
    const auto& steps = plan.Steps();
    auto it = std::find_if(steps.begin(), steps.end(), [&](const shared::Step& s) { return s.kind == kind; });
    return it == steps.end() ? nullptr : &*it;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> pieces) {
    std::vector<std::string> all;
    for (const std::vector<std::string>& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

// The version macros go from the program folder twice: before and after the folder copy.
const std::vector<std::string> kProgramMacroDeletions = {
    "delete file C:\\CD\\Programs64\\VRXCorel11.gms",
    "delete file C:\\CD\\Programs64\\VRXCorel12.gms",
    "delete file C:\\CD\\Programs64\\VRXCorelEx.gms",
    "delete file C:\\CD\\Programs64\\VRXCorelX5.gms",
    "delete file C:\\CD\\Programs64\\VRXCorelX34.gms",
    "delete file C:\\CD\\Programs64\\VRXCorelEx64.gms",
};

const std::vector<std::string> kPlacementAfterMacroFolder = Joined({{
    "empty folder C:\\CD\\Programs64\\VRXCad\\",
    "remove folder C:\\CD\\Programs64\\VRXCad\\",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorel11.gms",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorel12.gms",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorelEx.gms",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorelEx64.gms",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorelX5.gms",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorelX34.gms",
    "delete file C:\\CD\\Draw\\GMS\\VRXCorel.gms"},
    kProgramMacroDeletions, {
    "copy files C:\\CD\\Programs64\\VRXCorel\\ -> C:\\CD\\Programs64\\",
    "copy file C:\\CD\\Programs64\\VRXCorel\\VRXCorelEx64.gms -> C:\\CD\\Draw\\GMS\\VRXCorel.gms",
    "empty folder C:\\CD\\Programs64\\VRXCorel\\",
    "remove folder C:\\CD\\Programs64\\VRXCorel\\"},
    kProgramMacroDeletions, {
    "create folder C:\\CD\\Programs64\\VRXLanguage\\",
    "create folder C:\\CD\\Programs64\\VRXRes\\",
    "create folder C:\\CD\\Programs64\\VRXCfg\\",
    "rewrite files E:\\Dist\\VRXCfg\\ -> C:\\CD\\Programs64\\VRXCfg\\",
    "copy files E:\\Dist\\VRXLanguage\\ -> C:\\CD\\Programs64\\VRXLanguage\\",
    "copy files E:\\Dist\\VRXRes\\ -> C:\\CD\\Programs64\\VRXRes\\",
    "write [BaseCfg] Language=3 in C:\\CD\\Programs64\\VRXCfg\\SoftCfg.ini",
    "set result"}});

TEST(CorelPlan, ManualModeMakesDrawThenExtractsThenMakesTheMacroFolder) {
    const std::vector<std::string> expected =
        Joined({{"create folder C:\\CD\\Draw\\",
                 "extract product into C:\\CD\\Programs64\\ else say Please Close CorelDraw, and try to Install!",
                 "create folder C:\\CD\\Draw\\GMS\\"},
                kPlacementAfterMacroFolder});
    EXPECT_EQ(Lines(PlanCorelInstall(Inputs(6, 0, "C:\\CD"), FolderExists())), expected);
    EXPECT_EQ(Lines(PlanCorelInstall(Inputs(6, 0, "C:\\CD\\"), FolderExists())), expected);
}

TEST(CorelPlan, AutomaticModeMakesTheMacroFolderBeforeExtracting) {
    // The destination as CorelDRAW stores it, with a trailing backslash: the
    // joined paths keep the doubled separator.
    const shared::Plan plan = PlanCorelInstall(Inputs(8, 1), Found("C:\\CD\\"));
    const std::vector<std::string> lines = Lines(plan);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "create folder C:\\CD\\\\Draw\\GMS\\");
    EXPECT_EQ(lines[1], "extract product into C:\\CD\\\\Programs64\\ else say Please Close CorelDraw, and try to Install!");

    std::vector<std::string> undoubled;
    for (std::string line : std::vector<std::string>(lines.begin() + 2, lines.end())) {
        for (size_t at; (at = line.find("C:\\CD\\\\")) != std::string::npos;) line.erase(at + 5, 1);
        undoubled.push_back(line);
    }
    EXPECT_EQ(undoubled, kPlacementAfterMacroFolder);
}

struct Version {
    int index;
    std::vector<std::string> keys;
    const char* programFolder;
    const char* macroFile;
};

const std::string kSetup = "SOFTWARE\\Corel\\Setup\\";

TEST(CorelPlan, EveryVersionFindsItsFolderKeysAndMacro) {
    const std::vector<Version> versions = {
        {0, {kSetup + "Corel Graphics Suite 11", kSetup + "CorelDRAW SA 11"}, "Programs", "VRXCorel11.gms"},
        {1, {kSetup + "CorelDRAW Graphics Suite 12"}, "Programs", "VRXCorel12.gms"},
        {2, {kSetup + "CorelDRAW Graphics Suite 13"}, "Programs", "VRXCorelX34.gms"},
        {3, {kSetup + "CorelDRAW Graphics Suite 14"}, "Programs", "VRXCorelX34.gms"},
        {4, {kSetup + "CorelDRAW Graphics Suite 15"}, "Programs", "VRXCorelX5.gms"},
        {5, {kSetup + "CorelDRAW Graphics Suite 16", kSetup + "CorelDRAW Technical Suite 16"}, "Programs",
         "VRXCorelEx.gms"},
        {6, {kSetup + "CorelDRAW Graphics Suite 16", kSetup + "CorelDRAW Technical Suite 16"}, "Programs64",
         "VRXCorelEx64.gms"},
        {7, {kSetup + "CorelDRAW Graphics Suite 17", kSetup + "CorelDRAW Technical Suite 17"}, "Programs",
         "VRXCorelEx.gms"},
        {8, {kSetup + "CorelDRAW Graphics Suite 17", kSetup + "CorelDRAW Technical Suite 17"}, "Programs64",
         "VRXCorelEx64.gms"},
    };
    for (const Version& v : versions) {
        SCOPED_TRACE(v.index);
        EXPECT_EQ(CorelRegistryKeys(v.index), v.keys);
        EXPECT_EQ(CorelFirstView(v.index),
                  std::string(v.programFolder) == "Programs64" ? FirstView::Bits64 : FirstView::Bits32);
        EXPECT_EQ(CorelProgramFolderToTest(Inputs(v.index, 0)), std::string("D:\\Corel\\") + v.programFolder);
        const std::string programs = std::string("D:\\Corel\\") + v.programFolder + "\\";
        for (const shared::Plan& plan :
             {PlanCorelInstall(Inputs(v.index, 0), FolderExists()), PlanCorelInstall(Inputs(v.index, 1), Found("D:\\Corel"))}) {
            ASSERT_NE(FirstOf(plan, shared::StepKind::ExtractProduct), nullptr);
            EXPECT_EQ(FirstOf(plan, shared::StepKind::ExtractProduct)->path, programs);
            const shared::Step* macro = FirstOf(plan, shared::StepKind::CopyOneFile);
            ASSERT_NE(macro, nullptr);
            EXPECT_EQ(macro->source, programs + "VRXCorel\\" + v.macroFile);
            EXPECT_EQ(macro->path, "D:\\Corel\\Draw\\GMS\\VRXCorel.gms");
        }
    }
}

TEST(CorelPlan, WhatIsNotFoundStopsWithItsMessageBeforeWritingAnything) {
    const std::vector<std::string> pathError = {"say The path is error! and stop"};
    const std::vector<std::string> missing = {"say Can't find Coreldraw! and stop"};
    EXPECT_EQ(Lines(PlanCorelInstall(Inputs(5, 0), CorelFacts{})), pathError);
    EXPECT_EQ(Lines(PlanCorelInstall(Inputs(5, 1), CorelFacts{})), missing);
    // A row the table does not have is no CorelDRAW, in either mode.
    for (int index : {-1, 9}) {
        EXPECT_TRUE(CorelRegistryKeys(index).empty());
        EXPECT_EQ(Lines(PlanCorelInstall(Inputs(index, 1), Found("C:\\CD"))), missing);
        EXPECT_EQ(Lines(PlanCorelInstall(Inputs(index, 0), FolderExists())), missing);
    }
    PluginInputs chinese = Inputs(0, 1);
    chinese.messages = shared::MessageSetFor(shared::LanguageIndex{0});
    EXPECT_EQ(Lines(PlanCorelInstall(chinese, CorelFacts{})), std::vector<std::string>{"say 找不到CorelDraw! and stop"});
}

}  // namespace
}  // namespace plugins
