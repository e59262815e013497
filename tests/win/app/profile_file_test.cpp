#include "shared/profile_file_win32.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace shared {
namespace {

using testing_support::TempFolder;
using testing_support::WriteBytes;

class ProfileFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder / "test.ini";
};

TEST_F(ProfileFileTest, ReadsValuesOfEveryLengthAroundTheBufferStep) {
    for (size_t length : {0u, 1u, 510u, 511u, 512u, 1023u, 1024u, 3000u}) {
        std::string value(length, 'v');
        if (length > 0) value.back() = 'E';
        WriteBytes(path, "[S]\r\nKey=" + value + "\r\n");
        EXPECT_EQ(ProfileFile(path).ReadString("S", "Key", "default"), value) << "length " << length;
    }
}

TEST_F(ProfileFileTest, ReadStringFallsBackToTheDefault) {
    WriteBytes(path, "[S]\r\nKey=value\r\n");
    ProfileFile profile(path);
    EXPECT_EQ(profile.ReadString("S", "Missing", "fallback"), "fallback");
    EXPECT_EQ(profile.ReadString("Other", "Key", "fallback"), "fallback");
    EXPECT_EQ(profile.ReadString("S", nullptr, "fallback"), "fallback");
    EXPECT_EQ(profile.ReadString(nullptr, "Key", nullptr), "");
    EXPECT_EQ(profile.ReadString("S", "Missing", nullptr), "");
    EXPECT_EQ(ProfileFile(folder / "absent.ini").ReadString("S", "Key", "none"), "none");
}

TEST_F(ProfileFileTest, ListsKeyNamesOfWellFormedLinesOnly) {
    WriteBytes(path,
                  "[SetupCfg]\r\nSoftVer=BeamDraft\r\n=no name\r\nno equals sign\r\n  Language \t=3\r\n"
                  "[Other]\r\nSoftVer=x\r\n");
    std::vector<std::string> keys{"stale"};
    ProfileFile(path).ListKeyNames("SetupCfg", &keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"SoftVer", "Language"}));
}

TEST_F(ProfileFileTest, ListsDuplicateKeysAsOftenAsTheyStand) {
    WriteBytes(path, "[S]\r\nA=1\r\nB=2\r\nA=3\r\n");
    std::vector<std::string> keys;
    ProfileFile(path).ListKeyNames("S", &keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"A", "B", "A"}));
}

TEST_F(ProfileFileTest, ListsNothingForAMissingFileSectionOrArgument) {
    std::vector<std::string> keys{"stale"};
    ProfileFile(folder / "absent.ini").ListKeyNames("S", &keys);
    EXPECT_TRUE(keys.empty());

    WriteBytes(path, "[S]\r\nA=1\r\n");
    keys = {"stale"};
    ProfileFile(path).ListKeyNames(nullptr, &keys);
    EXPECT_TRUE(keys.empty());
}

TEST_F(ProfileFileTest, ListsSectionsLargerThanOneBufferStep) {
    std::string content = "[S]\r\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 200; ++i) {
        expected.push_back("Key" + std::to_string(i));
        content += expected.back() + "=some value to fill the section\r\n";
    }
    WriteBytes(path, content);
    std::vector<std::string> keys;
    ProfileFile(path).ListKeyNames("S", &keys);
    EXPECT_EQ(keys, expected);
}

TEST_F(ProfileFileTest, SizesKeyNameBuffersExactly) {
    WriteBytes(path, "[S]\r\nAlpha=1\r\nBe=2\r\n");
    ProfileFile profile(path);
    size_t needed = profile.ReadKeyNames("S", nullptr, 0);
    EXPECT_EQ(needed, 9u);  // "Alpha\0Be\0"
    std::vector<char> buffer(needed + 1, 'x');
    EXPECT_EQ(profile.ReadKeyNames("S", buffer.data(), needed), needed);
    EXPECT_EQ(std::string(buffer.data(), needed + 1), std::string("Alpha\0Be\0\0", 10));
    EXPECT_EQ(profile.ReadKeyNames(nullptr, buffer.data(), needed), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST_F(ProfileFileTest, WritesCreateFileSectionAndKeyAndReplaceValues) {
    ProfileFile profile(path);
    EXPECT_TRUE(profile.WriteString("BaseCfg", "Language", "3"));
    EXPECT_EQ(profile.ReadString("BaseCfg", "Language", ""), "3");
    EXPECT_TRUE(profile.WriteString("BaseCfg", "Language", "1"));
    EXPECT_EQ(profile.ReadString("BaseCfg", "Language", ""), "1");
    EXPECT_TRUE(profile.WriteString("BaseCfg", "Empty", nullptr));
    EXPECT_EQ(profile.ReadString("BaseCfg", "Empty", "absent"), "");
    EXPECT_FALSE(profile.WriteString(nullptr, "Key", "v"));
    EXPECT_FALSE(profile.WriteString("BaseCfg", nullptr, "v"));
}

TEST_F(ProfileFileTest, SetPathReplacesOrEmptiesThePath) {
    WriteBytes(path, "[S]\r\nKey=first\r\n");
    std::string other = folder / "other.ini";
    WriteBytes(other, "[S]\r\nKey=second\r\n");
    ProfileFile profile;
    profile.SetPath(path.c_str());
    EXPECT_EQ(profile.ReadString("S", "Key", ""), "first");
    profile.SetPath(other.c_str());
    EXPECT_EQ(profile.ReadString("S", "Key", ""), "second");
    profile.SetPath(nullptr);
    EXPECT_EQ(profile.ReadString("S", "Key", "none"), "none");
}

}  // namespace
}  // namespace shared
