#include "app/setup_config_win32.h"

#include <gtest/gtest.h>

#include "app/setup_config.h"
#include "support/temp_folder.h"

namespace app {
namespace {

struct Loaded {
    std::string productName = "BeamDraft";
    int languageCode = 0;
};

class LoadSetupConfigTest : public ::testing::Test {
protected:
    Loaded Load(const std::string& content) {
        testing_support::WriteBytes(path, content);
        Loaded loaded;
        LoadSetupConfig(path, loaded.productName, loaded.languageCode);
        return loaded;
    }
    testing_support::TempFolder folder;
    std::string path = folder / "SetupCfg.ini";
};

TEST_F(LoadSetupConfigTest, MissingFileKeepsTheDefaults) {
    Loaded loaded;
    LoadSetupConfig(folder / "SetupCfg.ini", loaded.productName, loaded.languageCode);
    EXPECT_EQ(loaded.productName, "BeamDraft");
    EXPECT_EQ(ClampLanguageCode(loaded.languageCode), 1);
}

TEST_F(LoadSetupConfigTest, ReadsBothKeysInAnyOrder) {
    Loaded a = Load("[SetupCfg]\r\nLanguage=3\r\nSoftVer=LaserPro 2\r\n");
    EXPECT_EQ(a.productName, "LaserPro 2");
    EXPECT_EQ(a.languageCode, 3);
    Loaded b = Load("[SetupCfg]\r\nSoftVer=LaserPro 2\r\nLanguage=3\r\n");
    EXPECT_EQ(b.productName, "LaserPro 2");
    EXPECT_EQ(b.languageCode, 3);
}

TEST_F(LoadSetupConfigTest, MatchesKeyNamesExactlyAfterTrimming) {
    Loaded lower = Load("[SetupCfg]\r\nlanguage=3\r\nsoftver=Other\r\n");
    EXPECT_EQ(lower.languageCode, 0);
    EXPECT_EQ(lower.productName, "BeamDraft");
    Loaded padded = Load("[SetupCfg]\r\n  Language\t=2\r\n");
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
    Loaded other = Load("[Other]\r\nSoftVer=Elsewhere\r\nLanguage=3\r\n[SetupCfg]\r\nUnrelated=1\r\n");
    EXPECT_EQ(other.productName, "BeamDraft");
    EXPECT_EQ(other.languageCode, 0);
}

}  // namespace
}  // namespace app
