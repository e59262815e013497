// The product installation planned from its inputs, and the per-language texts.
#include "install/product_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shared/message_set.h"

namespace install {
namespace {

using shared::LanguageIndex;

ProductInstallInputs Inputs(const std::string& installPath) {
    ProductInstallInputs inputs;
    inputs.installPath = installPath;
    inputs.productName = "LaserWorks";
    inputs.setupFolder = "D:\\Dist\\";
    inputs.languageCode = shared::LanguageCode{3};
    inputs.busyMessage = "busy";
    inputs.desktopFolder = "C:\\Users\\u\\Desktop";
    inputs.programsFolder = "C:\\Users\\u\\Start Menu\\Programs";
    return inputs;
}

TEST(ProductPlan, FollowsTheInstallationStepByStep) {
    const std::vector<std::string> expected = {
        "create folder C:\\BeamDraft\\",
        "extract product into C:\\BeamDraft\\ else say busy",
        "empty folder C:\\BeamDraft\\VRXCad\\",
        "empty folder C:\\BeamDraft\\VRXCorel\\",
        "remove folder C:\\BeamDraft\\VRXCad\\",
        "remove folder C:\\BeamDraft\\VRXCorel\\",
        "empty folder C:\\BeamDraft\\VRXAi\\",
        "remove folder C:\\BeamDraft\\VRXAi\\",
        "create folder C:\\BeamDraft\\VRXDoc\\",
        "create folder C:\\BeamDraft\\VRXLanguage\\",
        "create folder C:\\BeamDraft\\VRXRes\\",
        "create folder C:\\BeamDraft\\VRXCfg\\",
        "rewrite files D:\\Dist\\VRXCfg\\ -> C:\\BeamDraft\\VRXCfg\\",
        "copy files D:\\Dist\\VRXDoc\\ -> C:\\BeamDraft\\VRXDoc\\",
        "copy files D:\\Dist\\VRXLanguage\\ -> C:\\BeamDraft\\VRXLanguage\\",
        "copy files D:\\Dist\\VRXRes\\ -> C:\\BeamDraft\\VRXRes\\",
        "write [BaseCfg] Language=3 in C:\\BeamDraft\\VRXCfg\\SoftCfg.ini",
        "create folder C:\\Users\\u\\Start Menu\\Programs\\BeamDraft\\",
        "shortcut C:\\Users\\u\\Desktop\\LaserWorks.lnk -> C:\\BeamDraft\\VRXPrograms\\BeamDraft.exe "
        "(C:\\BeamDraft\\VRXPrograms\\BeamDraft.exe) icon C:\\BeamDraft\\VRXRes\\title.ico",
        "shortcut C:\\Users\\u\\Start Menu\\Programs\\BeamDraft\\LaserWorks.lnk -> "
        "C:\\BeamDraft\\VRXPrograms\\BeamDraft.exe (C:\\BeamDraft\\VRXPrograms\\BeamDraft.exe) "
        "icon C:\\BeamDraft\\VRXRes\\title.ico",
        "shortcut C:\\Users\\u\\Start Menu\\Programs\\BeamDraft\\Uninstall.lnk -> "
        "C:\\BeamDraft\\VRXPrograms\\Uninstall.exe (C:\\BeamDraft\\VRXPrograms\\Uninstall.exe)",
        "set result",
    };
    EXPECT_EQ(Describe(PlanProductInstall(Inputs("C:\\"))), expected);
}

TEST(ProductPlan, ProductFolderFromTheInstallPath) {
    EXPECT_EQ(ProductFolderOf("D:\\Apps", text::NoLeadBytes), "D:\\Apps\\BeamDraft\\");
    EXPECT_EQ(ProductFolderOf("D:\\Apps\\", text::NoLeadBytes), "D:\\Apps\\BeamDraft\\");
    EXPECT_EQ(ProductFolderOf("", text::NoLeadBytes), "\\BeamDraft\\");
    // "\x95\x5C" is one GBK character: the path does not end in a backslash.
    EXPECT_EQ(ProductFolderOf("D:\\\x95\x5C", text::GbkLeadByte), "D:\\\x95\x5C\\BeamDraft\\");
}

TEST(ProductPlan, AFolderTheShellCannotNameGetsNoShortcut) {
    ProductInstallInputs inputs = Inputs("C:\\");
    inputs.desktopFolder.reset();
    std::vector<std::string> steps = Describe(PlanProductInstall(inputs));
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(),
                            [](const std::string& s) { return s.rfind("shortcut", 0) == 0; }), 2);
    inputs.programsFolder.reset();
    steps = Describe(PlanProductInstall(inputs));
    EXPECT_EQ(steps[steps.size() - 2], "write [BaseCfg] Language=3 in C:\\BeamDraft\\VRXCfg\\SoftCfg.ini");
    EXPECT_EQ(steps.back(), "set result");
}

TEST(InstallTexts, MessageSetsSuccessTextsAndLanguageCodes) {
    EXPECT_STREQ(MessageSetFor(LanguageIndex{0}).productBusy, "安装失败! 关闭正在运行的BeamDraft后重试");
    EXPECT_STREQ(MessageSetFor(LanguageIndex{1}).productBusy, "error! please Close the BeamDraft!");
    for (int index : {2, 3, -1}) EXPECT_STREQ(MessageSetFor(LanguageIndex{index}).productBusy, "Can't copy files, error!");
    // Only the first row differs between the two English sets.
    EXPECT_STREQ(MessageSetFor(LanguageIndex{1}).corelDrawMissing, "Can't find Coreldraw!");
    EXPECT_STREQ(MessageSetFor(LanguageIndex{3}).closeAutoCad, "Please Close AutoCAD, and try to Install!");
    EXPECT_STREQ(MessageSetFor(LanguageIndex{0}).autoCadMissing, "找不到AutoCAD!");
    EXPECT_STREQ(SuccessMessageFor(LanguageIndex{0}), "安装成功!");
    for (int index : {1, 2, 3, -1}) EXPECT_STREQ(SuccessMessageFor(LanguageIndex{index}), "Install OK!");
    std::vector<int> codes;
    for (int row : {0, 1, 2, 3, -1, 4}) codes.push_back(shared::LanguageCodeFor(LanguageIndex{row}).value);
    EXPECT_EQ(codes, (std::vector<int>{1, 2, 3, 4, 1, 1}));
}

}  // namespace
}  // namespace install
