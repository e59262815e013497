#include "shared/shortcut_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "support/shell_link_reader.h"
#include "support/temp_folder.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace shared {
namespace {

using testing_support::Exists;
using testing_support::LinkContents;
using testing_support::ReadLink;
using testing_support::FilesBelow;
using testing_support::TempFolder;
using testing_support::WriteBytes;

class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(target, "MZ");
        WriteBytes(icon, "icon");
    }
    TempFolder folder;
    std::string target = folder / "BeamDraft.exe";
    std::string icon = folder / "BeamDraft.ico";
    std::string linkFile = folder / "BeamDraft.lnk";
};

TEST_F(ShortcutTest, LinkWithIconHoldsTargetDescriptionIconAndShowCommand) {
    EXPECT_EQ(CreateLinkWithIcon(target, linkFile, target, icon), S_OK);
    LinkContents link = ReadLink(linkFile);
    EXPECT_EQ(link.target, target);
    EXPECT_EQ(link.description, target);
    EXPECT_EQ(link.iconFile, icon);
    EXPECT_EQ(link.iconIndex, 0);
    EXPECT_EQ(link.showCommand, SW_SHOW);
}

TEST_F(ShortcutTest, PlainLinkHasNoIconLocation) {
    EXPECT_EQ(CreateLink(target, linkFile, "Uninstall"), S_OK);
    LinkContents link = ReadLink(linkFile);
    EXPECT_EQ(link.target, target);
    EXPECT_EQ(link.description, "Uninstall");
    EXPECT_EQ(link.iconFile, "");
    EXPECT_EQ(link.showCommand, SW_SHOW);
}

TEST_F(ShortcutTest, AMissingIconStillWritesAndASecondCallReplacesTheLink) {
    const std::string missingIcon = folder / "missing.ico";
    EXPECT_EQ(CreateLinkWithIcon(target, linkFile, "first", missingIcon), S_OK);
    EXPECT_EQ(ReadLink(linkFile).iconFile, missingIcon);

    const std::string otherTarget = folder / "Uninst.exe";
    WriteBytes(otherTarget, "MZ");
    EXPECT_EQ(CreateLink(otherTarget, linkFile, "second"), S_OK);
    LinkContents link = ReadLink(linkFile);
    EXPECT_EQ(link.target, otherTarget);
    EXPECT_EQ(link.description, "second");
    EXPECT_EQ(link.iconFile, "");
    EXPECT_EQ(FilesBelow(folder.Path()),
              (std::vector<std::string>{"BEAMDRAFT.EXE", "BEAMDRAFT.ICO", "BEAMDRAFT.LNK", "UNINST.EXE"}));
}

TEST_F(ShortcutTest, ALinkInAMissingFolderWritesNothingAndStillSucceeds) {
    const std::string missing = folder / "Missing\\BeamDraft.lnk";
    EXPECT_EQ(CreateLinkWithIcon(target, missing, target, icon), S_OK);
    EXPECT_EQ(CreateLink(target, missing, target), S_OK);
    EXPECT_FALSE(Exists(folder / "Missing"));
}

TEST_F(ShortcutTest, ALinkPathLongerThanTheSaveBufferWritesNothing) {
    const std::string longFolder = folder.MakeFolder("long");
    // 259 characters fit the buffer with the terminator; 260 do not.
    const std::string fits = longFolder + std::string(MAX_PATH - 1 - longFolder.size() - 4, 'a') + ".lnk";
    const std::string tooLong = longFolder + std::string(MAX_PATH - longFolder.size() - 4, 'b') + ".lnk";
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_EQ(tooLong.size(), 260u);

    EXPECT_EQ(CreateLink(target, fits, "fits"), S_OK);
    EXPECT_EQ(ReadLink(fits).description, "fits");
    EXPECT_EQ(CreateLinkWithIcon(target, tooLong, "too long", icon), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(CreateLink(target, tooLong, "too long"), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(FilesBelow(longFolder).size(), 1u);
}

}  // namespace
}  // namespace shared
