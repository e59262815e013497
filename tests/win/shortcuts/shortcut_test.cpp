#include "install/shortcut_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

#include "support/temp_folder.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace install {
namespace {

using testing_support::Exists;
using testing_support::FilesBelow;
using testing_support::TempFolder;
using testing_support::WriteBytes;

// A .lnk file as the shell reads it back.
struct LinkContents {
    std::string target;
    std::string description;
    std::string iconFile;
    int iconIndex = -1;
    int showCommand = 0;  // as stored in the file
};

// The link format names only 1, 3 and 7 as show commands and the shell reads
// any other back as 1, so the stored value comes from the file header (a
// 32-bit field at offset 0x3C).
int StoredShowCommand(const std::string& linkFile) {
    std::optional<std::string> bytes = testing_support::ReadBytes(linkFile);
    if (!bytes || bytes->size() < 0x40) return -1;
    int32_t value = 0;
    std::memcpy(&value, bytes->data() + 0x3C, sizeof(value));
    return value;
}

LinkContents ReadLink(const std::string& linkFile) {
    win::ComApartment apartment;
    win::ComPtr<IShellLinkA> link;
    win::ComPtr<IPersistFile> file;
    LinkContents contents;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(link.put()))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) ||
        FAILED(file->Load(win::FromAnsi(linkFile).c_str(), STGM_READ))) {
        ADD_FAILURE() << "cannot load " << linkFile;
        return contents;
    }
    char text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, 0);
    contents.target = text;
    text[0] = '\0';
    link->GetDescription(text, MAX_PATH);
    contents.description = text;
    text[0] = '\0';
    link->GetIconLocation(text, MAX_PATH, &contents.iconIndex);
    contents.iconFile = text;
    contents.showCommand = StoredShowCommand(linkFile);
    return contents;
}

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
}  // namespace install
