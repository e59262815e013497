// The AutoCAD plug-in planned for the typed folder or for every registered product.
#include "plugins/autocad_plan.h"

#include <gtest/gtest.h>

#include "plugin_test_inputs.h"

#include <algorithm>

namespace plugins {
namespace {

PluginInputs Inputs(bool findHost, int languageIndex, const std::string& installPath = "C:\\Acad") {
    return InputsFor{installPath, findHost, -1, languageIndex}.Make();
}

AutoCadFacts Marker() {
    AutoCadFacts facts;
    facts.markerFound = true;
    return facts;
}

AutoCadFacts Registered(std::vector<std::string> locations) {
    AutoCadFacts facts;
    facts.locations = std::move(locations);
    return facts;
}

std::vector<std::string> Lines(const shared::Plan& plan) { return shared::Describe(plan); }

std::vector<std::string> Extractions(const shared::Plan& plan) {
    std::vector<std::string> roots;
    for (const shared::Step& step : plan.Steps()) {
        if (step.kind == shared::StepKind::ExtractProduct) roots.push_back(step.path);
    }
    return roots;
}

TEST(AutoCadPlan, ServesTheTypedFolderStepByStep) {
    const std::vector<std::string> expected = {
        "extract product into C:\\Acad\\ else say 请关闭AutoCAD,然后再重试!",
        "copy file C:\\Acad\\VRXCad\\VRXSrtCad.dll -> C:\\Acad\\VRXSrtCad.dll",
        "copy file C:\\Acad\\VRXCad\\VRXStart.bmp -> C:\\Acad\\VRXStart.bmp",
        "copy file C:\\Acad\\VRXCad\\acad.dvb -> C:\\Acad\\acad.dvb",
        "copy file C:\\Acad\\VRXCad\\acad_CH.lsp -> C:\\Acad\\acad.lsp",
        "empty folder C:\\Acad\\VRXCad\\",
        "remove folder C:\\Acad\\VRXCad\\",
        "empty folder C:\\Acad\\VRXCorel\\",
        "remove folder C:\\Acad\\VRXCorel\\",
        "create folder C:\\Acad\\VRXLanguage\\",
        "create folder C:\\Acad\\VRXRes\\",
        "create folder C:\\Acad\\VRXCfg\\",
        "rewrite files E:\\Dist\\VRXCfg\\ -> C:\\Acad\\VRXCfg\\",
        "copy files E:\\Dist\\VRXLanguage\\ -> C:\\Acad\\VRXLanguage\\",
        "copy files E:\\Dist\\VRXRes\\ -> C:\\Acad\\VRXRes\\",
        "write [BaseCfg] Language=1 in C:\\Acad\\VRXCfg\\SoftCfg.ini",
        "copy file C:\\Acad\\\\VRXFonts\\Fs.shx -> C:\\Acad\\\\Fonts\\Fs.shx",
        "copy file C:\\Acad\\\\VRXFonts\\gbcbig.shx -> C:\\Acad\\\\Fonts\\gbcbig.shx",
        "copy file C:\\Acad\\\\VRXFonts\\HT.SHX -> C:\\Acad\\\\Fonts\\HT.SHX",
        "copy file C:\\Acad\\\\VRXFonts\\Hztxt.shx -> C:\\Acad\\\\Fonts\\Hztxt.shx",
        "copy file C:\\Acad\\\\VRXFonts\\Khz.shx -> C:\\Acad\\\\Fonts\\Khz.shx",
        "copy file C:\\Acad\\\\VRXFonts\\txt.shx -> C:\\Acad\\\\Fonts\\txt.shx",
        "set result",
    };
    EXPECT_EQ(Lines(PlanAutoCadInstall(Inputs(0, 0), Marker())), expected);
    EXPECT_EQ(Lines(PlanAutoCadInstall(Inputs(0, 0, "C:\\Acad\\"), Marker())), expected);
    EXPECT_EQ(AutoCadMarkerToTest(Inputs(0, 0, "C:\\Acad\\")), "C:\\Acad\\acad.exe");
    EXPECT_EQ(AutoCadMarkerToTest(Inputs(0, 0, "")), "\\acad.exe");
}

TEST(AutoCadPlan, EveryLanguageButSimplifiedChineseGetsTheEnglishStartup) {
    for (int languageIndex : {1, 2, 3}) {
        const std::vector<std::string> lines = Lines(PlanAutoCadInstall(Inputs(0, languageIndex), Marker()));
        EXPECT_NE(std::find(lines.begin(), lines.end(), "copy file C:\\Acad\\VRXCad\\acad_EN.lsp -> C:\\Acad\\acad.lsp"),
                  lines.end())
            << languageIndex;
    }
}

TEST(AutoCadPlan, EveryRegisteredProductIsServedInOrderThenTheResultIsSet) {
    const shared::Plan plan =
        PlanAutoCadInstall(Inputs(1, 2), Registered({"C:\\R18\\A", "C:\\R18\\B", "D:\\R19\\A", "C:\\R18\\A"}));
    EXPECT_EQ(Extractions(plan),
              (std::vector<std::string>{"C:\\R18\\A\\", "C:\\R18\\B\\", "D:\\R19\\A\\", "C:\\R18\\A\\"}));
    const std::vector<std::string> lines = Lines(plan);
    EXPECT_EQ(lines.back(), "set result");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "set result"), 1);
    EXPECT_EQ(lines[0], "extract product into C:\\R18\\A\\ else say Please Close AutoCAD, and try to Install!");
    // A registration without products is a run that installed nothing.
    EXPECT_EQ(Lines(PlanAutoCadInstall(Inputs(1, 2), Registered({}))), std::vector<std::string>{"set result"});
}

TEST(AutoCadPlan, NoHostStopsWithItsMessage) {
    EXPECT_EQ(Lines(PlanAutoCadInstall(Inputs(1, 2), AutoCadFacts{})),
              std::vector<std::string>{"say Can't find AutoCAD! and stop"});
    EXPECT_EQ(Lines(PlanAutoCadInstall(Inputs(0, 0), AutoCadFacts{})),
              std::vector<std::string>{"say 错误的文件目录! and stop"});
}

TEST(AutoCadPlan, The64BitViewAddsOnlyProductsThe32BitViewDidNotName) {
    const AutoCadView view32 = std::vector<AutoCadProduct>{{"R18\\A", "C:\\A32"}, {"R18\\B", "C:\\B"}, {"R18\\B", "C:\\B"}};
    const AutoCadView view64 = std::vector<AutoCadProduct>{{"R18\\A", "C:\\A64"}, {"R18\\B", "C:\\B"}, {"R19\\C", "C:\\C"}};
    EXPECT_EQ(AutoCadLocations(view32, view64),
              (std::vector<std::string>{"C:\\A32", "C:\\B", "C:\\B", "C:\\A64", "C:\\C"}));
    EXPECT_EQ(AutoCadLocations(std::nullopt, view64), (std::vector<std::string>{"C:\\A64", "C:\\B", "C:\\C"}));
    EXPECT_EQ(AutoCadLocations(view32, std::nullopt), (std::vector<std::string>{"C:\\A32", "C:\\B", "C:\\B"}));
    EXPECT_EQ(AutoCadLocations(std::nullopt, std::nullopt), std::nullopt);
    EXPECT_EQ(AutoCadLocations(std::vector<AutoCadProduct>{}, std::nullopt), std::vector<std::string>{});
}

}  // namespace
}  // namespace plugins
