// Backslashes of ANSI paths, where a double-byte character may end in 0x5C.
#include "common/path_text.h"

#include <gtest/gtest.h>

namespace {

using text::GbkLeadByte;
using text::NoLeadBytes;

TEST(PathText, FindsTheLastBackslashCharacterByCharacter) {
    EXPECT_EQ(text::LastBackslash("plain", NoLeadBytes), std::string::npos);
    EXPECT_EQ(text::LastBackslash("a\\b\\c", NoLeadBytes), 3u);
    EXPECT_EQ(text::LastBackslash("a\\\x81\x5C" "c", GbkLeadByte), 1u);
    EXPECT_EQ(text::LastBackslash("a\\\x81\x5C" "c", NoLeadBytes), 3u);
    EXPECT_EQ(text::LastBackslash("a\\\x81\x81\\c", GbkLeadByte), 4u);
    EXPECT_EQ(text::LastBackslash("a\\\x81", GbkLeadByte), 1u);  // lead byte at the very end
    EXPECT_EQ(text::LastBackslash("a\x80\\c", GbkLeadByte), 2u);  // 0x80 leads nothing in GBK
}

TEST(PathText, AppendsABackslashOnlyWhenTheLastCharacterIsNone) {
    EXPECT_EQ(text::WithBackslash("C:\\BeamDraft\\VRXCfg", NoLeadBytes), "C:\\BeamDraft\\VRXCfg\\");
    EXPECT_EQ(text::WithBackslash("C:\\BeamDraft\\VRXCfg\\", NoLeadBytes), "C:\\BeamDraft\\VRXCfg\\");
    EXPECT_EQ(text::WithBackslash("", NoLeadBytes), "\\");
    // "\x95\x5C" is one character in code page 936; its second byte is 0x5C.
    const std::string folder = "C:\\\xC5\xE4\xD6\xC3\x95\x5C";
    EXPECT_FALSE(text::EndsWithBackslash(folder, GbkLeadByte));
    EXPECT_EQ(text::WithBackslash(folder, GbkLeadByte), folder + "\\");
    EXPECT_EQ(text::WithBackslash(folder + "\\", GbkLeadByte), folder + "\\");
    EXPECT_FALSE(text::EndsWithBackslash("C:\\a\x95", GbkLeadByte));
}

TEST(PathText, FolderOfCutsAfterTheLastBackslashCharacter) {
    EXPECT_EQ(text::FolderOf("C:\\Dist\\setup.exe", NoLeadBytes), "C:\\Dist\\");
    EXPECT_EQ(text::FolderOf("C:\\setup.exe", NoLeadBytes), "C:\\");
    EXPECT_EQ(text::FolderOf("setup.exe", NoLeadBytes), "");
    // A GBK file name whose second byte is 0x5C: the cut stays before the name.
    EXPECT_EQ(text::FolderOf("C:\\Dist\\\x95\x5C.exe", GbkLeadByte), "C:\\Dist\\");
    EXPECT_EQ(text::FolderOf("C:\\Dist\\\x95\x5C.exe", NoLeadBytes), "C:\\Dist\\\x95\\");
}

TEST(PathText, FileTitleDropsFolderAndExtension) {
    EXPECT_EQ(text::FileTitleOf("C:\\Dist\\Setup.exe", NoLeadBytes), "Setup");
    EXPECT_EQ(text::FileTitleOf("C:\\Dist.v2\\Setup", NoLeadBytes), "Setup");
    EXPECT_EQ(text::FileTitleOf("C:\\Dist\\my.setup.exe", NoLeadBytes), "my.setup");
    EXPECT_EQ(text::FileTitleOf("C:\\Dist\\\x95\x5C.exe", GbkLeadByte), "\x95\x5C");
}

}  // namespace
