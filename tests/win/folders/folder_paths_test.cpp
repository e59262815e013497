// Folder bases of ANSI paths, where a double-byte character may end in 0x5C.
#include "payload/folder_paths.h"

#include <gtest/gtest.h>

namespace {

bool NoLeadBytes(unsigned char) { return false; }
bool Cp936LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(FolderBase, AppendsABackslashOnlyWhenMissing) {
    EXPECT_EQ(payload::FolderBase("C:\\BeamDraft\\VRXCfg", NoLeadBytes), "C:\\BeamDraft\\VRXCfg\\");
    EXPECT_EQ(payload::FolderBase("C:\\BeamDraft\\VRXCfg\\", NoLeadBytes), "C:\\BeamDraft\\VRXCfg\\");
    EXPECT_EQ(payload::FolderBase("C:", NoLeadBytes), "C:\\");
    EXPECT_EQ(payload::EveryEntryPattern("C:\\Dist\\VRXRes\\"), "C:\\Dist\\VRXRes\\*.*");
}

TEST(FolderBase, ADoubleByteCharacterEndingIn5CIsNoSeparator) {
    // "\x95\x5C" is one character in code page 936; its second byte is 0x5C.
    const std::string folder = "C:\\\xC5\xE4\xD6\xC3\x95\x5C";
    EXPECT_FALSE(payload::EndsWithBackslash(folder, Cp936LeadByte));
    EXPECT_EQ(payload::FolderBase(folder, Cp936LeadByte), folder + "\\");
    EXPECT_EQ(payload::FolderBase(folder + "\\", Cp936LeadByte), folder + "\\");
    // A stray lead byte at the very end takes no trail byte with it.
    EXPECT_TRUE(payload::EndsWithBackslash("C:\\a\\", Cp936LeadByte));
    EXPECT_FALSE(payload::EndsWithBackslash("C:\\a\x95", Cp936LeadByte));
    EXPECT_FALSE(payload::EndsWithBackslash("", Cp936LeadByte));
}

TEST(FolderBase, DotsAreNoFiles) {
    EXPECT_TRUE(payload::IsDotsEntry("."));
    EXPECT_TRUE(payload::IsDotsEntry(".."));
    EXPECT_FALSE(payload::IsDotsEntry("...cfg"));
    EXPECT_FALSE(payload::IsDotsEntry(".hidden"));
}

}  // namespace
