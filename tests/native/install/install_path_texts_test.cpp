#include "install/install_path_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace install {
namespace {

TEST(InstallPathTexts, ChineseOnlyForTheSimplifiedChineseRow) {
    const InstallPathTexts chinese = InstallPathTextsFor(shared::LanguageIndex{0}, InstallType::Product);
    EXPECT_STREQ(chinese.caption, "选择安装目录");
    EXPECT_STREQ(chinese.autoInstall, "自动安装");
    EXPECT_STREQ(chinese.pathLabel, "安装目录:");
    EXPECT_STREQ(chinese.browse, "浏览");
    EXPECT_STREQ(chinese.ok, "确定");
    EXPECT_STREQ(chinese.cancel, "取消");
    for (int row : {-1, 1, 2, 3}) {
        const InstallPathTexts english = InstallPathTextsFor(shared::LanguageIndex{row}, InstallType::Product);
        EXPECT_STREQ(english.caption, "Select install path") << row;
        EXPECT_STREQ(english.autoInstall, "Auto to Install") << row;
        EXPECT_STREQ(english.pathLabel, "Install Path:") << row;
        EXPECT_STREQ(english.browse, "Browse") << row;
        EXPECT_STREQ(english.ok, "OK") << row;
        EXPECT_STREQ(english.cancel, "Cancel") << row;
    }
}

TEST(InstallPathTexts, VersionCaptionNamesIllustratorOnlyForItsPlugin) {
    for (InstallType type : {InstallType::Product, InstallType::CorelDraw, InstallType::AutoCad}) {
        EXPECT_STREQ(InstallPathTextsFor(shared::LanguageIndex{2}, type).versionLabel, "CorelDraw Version:");
        EXPECT_STREQ(InstallPathTextsFor(shared::LanguageIndex{0}, type).versionLabel, "CorelDraw版本:");
    }
    EXPECT_STREQ(InstallPathTextsFor(shared::LanguageIndex{2}, InstallType::Illustrator).versionLabel, "Illustrator Version:");
    EXPECT_STREQ(InstallPathTextsFor(shared::LanguageIndex{0}, InstallType::Illustrator).versionLabel, "Illustrator版本:");
}

TEST(VersionChoice, IllustratorListForItsPluginCorelDrawListOtherwise) {
    const VersionChoice illustrator = VersionChoiceFor(InstallType::Illustrator);
    ASSERT_EQ(illustrator.rows.size(), 11u);
    EXPECT_STREQ(illustrator.rows.front(), "CS5");
    EXPECT_STREQ(illustrator.rows[3], "CC(32bit)");
    EXPECT_STREQ(illustrator.rows.back(), "CC 2017(64bit)");
    EXPECT_STREQ(illustrator.rows[static_cast<size_t>(illustrator.defaultRow)], "CS6(64bit)");
    EXPECT_STREQ(illustrator.example, "eg:  C:\\Program Files\\Adobe Illustrator CS6");

    for (InstallType type : {InstallType::Product, InstallType::CorelDraw, InstallType::AutoCad}) {
        const VersionChoice corel = VersionChoiceFor(type);
        ASSERT_EQ(corel.rows.size(), 9u);
        EXPECT_STREQ(corel.rows.front(), "CorelDraw 11");
        EXPECT_STREQ(corel.rows[2], "CorelDraw X3");
        EXPECT_STREQ(corel.rows.back(), "CorelDraw X7/X8(64bit)");
        EXPECT_STREQ(corel.rows[static_cast<size_t>(corel.defaultRow)], "CorelDraw 12");
        EXPECT_EQ(std::string(corel.example),
                  type == InstallType::CorelDraw ? "eg:  C:\\Program Files\\Corel\\CorelDRAW Graphics Suite X6" : "");
    }
}

TEST(InstallPathStates, OnlyThePluginsFoundAutomaticallyOfferTheAutoBox) {
    struct Row {
        InstallType type;
        bool versionList, autoEnabled, autoChecked;
    };
    for (const Row& row : {Row{InstallType::Product, false, false, false}, Row{InstallType::CorelDraw, true, true, true},
                           Row{InstallType::AutoCad, false, true, true}, Row{InstallType::Illustrator, true, false, false}}) {
        const InstallPathStates states = InstallPathStatesFor(row.type);
        EXPECT_EQ(states.versionListEnabled, row.versionList) << static_cast<int>(row.type);
        EXPECT_EQ(states.autoEnabled, row.autoEnabled) << static_cast<int>(row.type);
        EXPECT_EQ(states.autoChecked, row.autoChecked) << static_cast<int>(row.type);
        EXPECT_EQ(PathEntryEnabled(states.autoChecked), !row.autoChecked) << static_cast<int>(row.type);
    }
}

TEST(InstallTypeOfRow, TheTypeListShowsTheFourTypesInOrderAndNoOtherRowNamesOne) {
    EXPECT_EQ(shared::InstallTypeOfRow(0), InstallType::Product);
    EXPECT_EQ(shared::InstallTypeOfRow(1), InstallType::CorelDraw);
    EXPECT_EQ(shared::InstallTypeOfRow(2), InstallType::AutoCad);
    EXPECT_EQ(shared::InstallTypeOfRow(3), InstallType::Illustrator);
    for (int row : {-1, 4}) EXPECT_FALSE(shared::InstallTypeOfRow(row).has_value()) << row;
}

}  // namespace
}  // namespace install
