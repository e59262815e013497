#include "app/setup_config_win32.h"

#include <gtest/gtest.h>

#include "app/setup_config.h"
#include "support/temp_folder.h"

namespace app {
namespace {

// Start-up reads SetupCfg.ini into a fresh SetupConfig; so do these tests.
class LoadSetupConfigTest : public ::testing::Test {
protected:
    SetupConfig Load(const std::string& content) {
        testing_support::WriteBytes(path, content);
        return LoadFile();
    }
    SetupConfig LoadFile() const {
        SetupConfig config;
        LoadSetupConfig(path, config.productName, config.languageCode);
        return config;
    }
    testing_support::TempFolder folder;
    std::string path = folder / "SetupCfg.ini";
};

TEST_F(LoadSetupConfigTest, MissingOrEmptyFileGivesBeamDraftInChinese) {
    for (const SetupConfig& config : {LoadFile(), Load("")}) {
        EXPECT_EQ(config.productName, "BeamDraft");
        EXPECT_EQ(ClampLanguageCode(config.languageCode), kSimplifiedChinese);
    }
}

TEST_F(LoadSetupConfigTest, ReadsBothKeysInAnyOrder) {
    SetupConfig a = Load("[SetupCfg]\r\nLanguage=3\r\nSoftVer=LaserPro 2\r\n");
    EXPECT_EQ(a.productName, "LaserPro 2");
    EXPECT_EQ(a.languageCode, 3);
    SetupConfig b = Load("[SetupCfg]\r\nSoftVer=LaserPro 2\r\nLanguage=3\r\n");
    EXPECT_EQ(b.productName, "LaserPro 2");
    EXPECT_EQ(b.languageCode, 3);
}

TEST_F(LoadSetupConfigTest, MatchesKeyNamesExactlyAfterTrimming) {
    SetupConfig lower = Load("[SetupCfg]\r\nlanguage=3\r\nsoftver=Other\r\n");
    EXPECT_EQ(lower.languageCode, 0);
    EXPECT_EQ(lower.productName, "BeamDraft");
    SetupConfig padded = Load("[SetupCfg]\r\n  SoftVer =  LaserPro  \r\n\tLanguage = 2\r\n");
    EXPECT_EQ(padded.productName, "LaserPro");
    EXPECT_EQ(padded.languageCode, 2);
}

TEST_F(LoadSetupConfigTest, ConvertsTheLanguageLikeAtoi) {
    EXPECT_EQ(Load("[SetupCfg]\r\nLanguage=3abc\r\n").languageCode, 3);
    EXPECT_EQ(Load("[SetupCfg]\r\nLanguage=abc\r\n").languageCode, 0);
    EXPECT_EQ(Load("[SetupCfg]\r\nLanguage=-1\r\n").languageCode, -1);
    EXPECT_EQ(ClampLanguageCode(Load("[SetupCfg]\r\nLanguage=9\r\n").languageCode), 4);
}

TEST_F(LoadSetupConfigTest, EmptyProductNameIsKeptAndOtherSectionsIgnored) {
    EXPECT_EQ(Load("[SetupCfg]\r\nSoftVer=\r\n").productName, "");
    SetupConfig other = Load("[Other]\r\nSoftVer=Elsewhere\r\nLanguage=3\r\n[SetupCfg]\r\nUnrelated=1\r\n");
    EXPECT_EQ(other.productName, "BeamDraft");
    EXPECT_EQ(other.languageCode, 0);
}

}  // namespace
}  // namespace app
