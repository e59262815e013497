#include "app/setup_config.h"

#include <gtest/gtest.h>

#include "app/main_texts.h"
#include "shared/language.h"

namespace app {
namespace {

TEST(ParseDecimal, ConvertsLikeTheCLibrary) {
    EXPECT_EQ(ParseDecimal("3"), 3);
    EXPECT_EQ(ParseDecimal("3abc"), 3);
    EXPECT_EQ(ParseDecimal("  \t+4"), 4);
    EXPECT_EQ(ParseDecimal("-1"), -1);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseDecimal("-99999999999999999999"), -2147483647 - 1);
}

TEST(ClampLanguageCode, KeepsCodesInOneToFour) {
    EXPECT_EQ(ClampLanguageCode(0), 1);
    EXPECT_EQ(ClampLanguageCode(-1), 1);
    EXPECT_EQ(ClampLanguageCode(2), 2);
    EXPECT_EQ(ClampLanguageCode(9), 4);
}

TEST(SetupFolderOf, CutsAfterTheLastBackslashCharacter) {
    EXPECT_EQ(SetupFolderOf("C:\\Dist\\setup.exe", text::NoLeadBytes), "C:\\Dist\\");
    EXPECT_EQ(SetupFolderOf("C:\\setup.exe", text::NoLeadBytes), "C:\\");
    // A GBK executable name whose second byte is 0x5C is not cut inside.
    EXPECT_EQ(SetupFolderOf("C:\\Dist\\\x95\x5C.exe", text::GbkLeadByte), "C:\\Dist\\");
}

TEST(MainWindowTexts, OnlySimplifiedChineseSelectsChinese) {
    EXPECT_TRUE(shared::IsChinese(shared::LanguageCode{1}));
    for (int code : {2, 3, 4}) EXPECT_FALSE(shared::IsChinese(shared::LanguageCode{code}));
    EXPECT_TRUE(shared::IsChinese(shared::LanguageIndex{0}));
    for (int index : {-1, 1, 2, 3}) EXPECT_FALSE(shared::IsChinese(shared::LanguageIndex{index}));
    EXPECT_STREQ(MainWindowTextsFor(false).languageLabel, "Lanuage:");
}

}  // namespace
}  // namespace app
