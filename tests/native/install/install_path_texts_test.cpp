#include "install/install_path_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace install {
namespace {

TEST(InstallPathTexts, ChineseOnlyForTheSimplifiedChineseRow) {
    const InstallPathTexts chinese = InstallPathTextsFor(0, kProductInstall);
    EXPECT_STREQ(chinese.caption, "选择安装目录");
    EXPECT_STREQ(chinese.autoInstall, "自动安装");
    EXPECT_STREQ(chinese.pathLabel, "安装目录:");
    EXPECT_STREQ(chinese.browse, "浏览");
    EXPECT_STREQ(chinese.ok, "确定");
    EXPECT_STREQ(chinese.cancel, "取消");
    for (int row : {-1, 1, 2, 3}) {
        const InstallPathTexts english = InstallPathTextsFor(row, kProductInstall);
        EXPECT_STREQ(english.caption, "Select install path") << row;
        EXPECT_STREQ(english.autoInstall, "Auto to Install") << row;
        EXPECT_STREQ(english.pathLabel, "Install Path:") << row;
        EXPECT_STREQ(english.browse, "Browse") << row;
        EXPECT_STREQ(english.ok, "OK") << row;
        EXPECT_STREQ(english.cancel, "Cancel") << row;
    }
}

TEST(InstallPathTexts, VersionCaptionNamesIllustratorOnlyForItsPlugin) {
    for (int type : {kProductInstall, kCorelDrawPlugin, kAutoCadPlugin}) {
        EXPECT_STREQ(InstallPathTextsFor(2, type).versionLabel, "CorelDraw Version:");
        EXPECT_STREQ(InstallPathTextsFor(0, type).versionLabel, "CorelDraw版本:");
    }
    EXPECT_STREQ(InstallPathTextsFor(2, kIllustratorPlugin).versionLabel, "Illustrator Version:");
    EXPECT_STREQ(InstallPathTextsFor(0, kIllustratorPlugin).versionLabel, "Illustrator版本:");
}

TEST(VersionChoice, IllustratorListForItsPluginCorelDrawListOtherwise) {
    const VersionChoice illustrator = VersionChoiceFor(kIllustratorPlugin);
    ASSERT_EQ(illustrator.rows.size(), 11u);
    EXPECT_STREQ(illustrator.rows.front(), "CS5");
    EXPECT_STREQ(illustrator.rows[3], "CC(32bit)");
    EXPECT_STREQ(illustrator.rows.back(), "CC 2017(64bit)");
    EXPECT_STREQ(illustrator.rows[static_cast<size_t>(illustrator.defaultRow)], "CS6(64bit)");
    EXPECT_STREQ(illustrator.example, "eg:  C:\\Program Files\\Adobe Illustrator CS6");

    for (int type : {kProductInstall, kCorelDrawPlugin, kAutoCadPlugin}) {
        const VersionChoice corel = VersionChoiceFor(type);
        ASSERT_EQ(corel.rows.size(), 9u);
        EXPECT_STREQ(corel.rows.front(), "CorelDraw 11");
        EXPECT_STREQ(corel.rows[2], "CorelDraw X3");
        EXPECT_STREQ(corel.rows.back(), "CorelDraw X7/X8(64bit)");
        EXPECT_STREQ(corel.rows[static_cast<size_t>(corel.defaultRow)], "CorelDraw 12");
        EXPECT_EQ(std::string(corel.example),
                  type == kCorelDrawPlugin ? "eg:  C:\\Program Files\\Corel\\CorelDRAW Graphics Suite X6" : "");
    }
}

TEST(InstallPathStates, OnlyThePluginsFoundAutomaticallyOfferTheAutoBox) {
    struct Row {
        int type;
        bool versionList, autoEnabled, autoChecked;
    };
    for (const Row& row : {Row{kProductInstall, false, false, false}, Row{kCorelDrawPlugin, true, true, true},
                           Row{kAutoCadPlugin, false, true, true}, Row{kIllustratorPlugin, true, false, false}}) {
        const InstallPathStates states = InstallPathStatesFor(row.type);
        EXPECT_EQ(states.versionListEnabled, row.versionList) << row.type;
        EXPECT_EQ(states.autoEnabled, row.autoEnabled) << row.type;
        EXPECT_EQ(states.autoChecked, row.autoChecked) << row.type;
        EXPECT_EQ(PathEntryEnabled(states.autoChecked), !row.autoChecked) << row.type;
    }
}

}  // namespace
}  // namespace install
