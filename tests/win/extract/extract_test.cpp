// ExtractProductPayload and ExtractDriverPayload against archive files written
// byte for byte, with real folders and files under the temp folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/archive_builder.h"
#include "support/temp_folder.h"
#include "payload/extract_win32.h"
#include "win/file_win32.h"

namespace {

using testing_support::FilesBelow;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using Files = std::vector<std::string>;

struct Item {
    std::string name;  // or a whole 400-byte header
    std::string data;
};

// Stands for the executable image in front of the archive; offsets are absolute.
const test_archive::Bytes kImage(1536, 'I');

std::string Data(size_t size, unsigned seed) { return test_archive::RandomBytes<std::string>(size, seed); }

class ExtractTest : public ::testing::Test {
protected:
    testing_support::TempFolder scratch;
    const std::string root = scratch.MakeFolder("root");
    const std::string windows = scratch.MakeFolder("windows");
    const std::string archive = scratch.Path() + "setup.bin";

    payload::ExtractSource Source() const { return {archive, windows}; }

    void WriteArchive(const std::vector<Item>& items) {
        auto builder = test_archive::ArchiveBuilder::AfterStub(kImage);
        for (const Item& item : items) builder.Add(item.name, item.data);
        WriteBytes(archive, builder.BuildText());
    }
    bool Product(const std::vector<Item>& items) {
        WriteArchive(items);
        return payload::ExtractProductPayload(root, Source());
    }
    bool Driver(const std::vector<Item>& items) {
        WriteArchive(items);
        return payload::ExtractDriverPayload(root, Source());
    }

    // Files the extraction wrote anywhere in the scratch folder.
    Files Written() const {
        Files files = FilesBelow(scratch.Path());
        files.erase(std::remove(files.begin(), files.end(), "SETUP.BIN"), files.end());
        return files;
    }
    void ExpectContents(const std::string& path, const std::string& data) const {
        auto bytes = ReadBytes(path);
        ASSERT_TRUE(bytes.has_value()) << path;
        EXPECT_TRUE(*bytes == data) << path << ": " << bytes->size() << " bytes, expected " << data.size();
    }
};

Item Small(const std::string& name) { return {name, Data(37, static_cast<unsigned>(name.size()))}; }

// The walk's checks of count and table are the native tests'; here only what
// the extraction makes of their verdict.
TEST_F(ExtractTest, EmptyArchiveSucceedsAndAFileWithoutACountFails) {
    EXPECT_TRUE(Product({})) << "one offset is an empty archive";
    EXPECT_TRUE(Driver({}));
    WriteBytes(archive, std::string("\x01\0\0", 3));
    EXPECT_FALSE(payload::ExtractProductPayload(root, Source()));
    EXPECT_EQ(Written(), Files{});
}

TEST_F(ExtractTest, WritesTheLargestTable) {
    std::vector<Item> items;
    for (uint32_t i = 0; i < 599; ++i)
        items.push_back({"f" + std::to_string(i) + ".dat", Data(1 + i % 50, i)});
    ASSERT_TRUE(Product(items));
    EXPECT_EQ(Written().size(), 599u);
    for (uint32_t i = 0; i < 599; ++i) ExpectContents(root + "f" + std::to_string(i) + ".dat", items[i].data);
}

TEST_F(ExtractTest, FailsWithoutAReadableArchive) {
    EXPECT_FALSE(payload::ExtractProductPayload(root, {scratch.Path() + "missing.exe", windows}));
    EXPECT_FALSE(payload::ExtractDriverPayload(root, {scratch.Path() + "missing.exe", windows}));
    EXPECT_FALSE(payload::ExtractProductPayload(root, {root, windows})) << "a folder";
}

TEST_F(ExtractTest, CopiesExactlyAcrossTheCopyBufferPieces) {
    const std::vector<Item> items = {
        {"one.bin", "\x7F"},
        {"buffer.bin", Data(512000, 1)},
        {"over.bin", Data(512001, 2)},
        {"after.bin", Data(3, 3)},  // the buffer still holds the last piece
        {"two.bin", Data(2 * 512000, 5)},
        {"big.bin", Data(3 * 1024 * 1024 + 5, 4)},
    };
    ASSERT_TRUE(Product(items));
    for (const Item& item : items) ExpectContents(root + item.name, item.data);
    EXPECT_EQ(Written().size(), items.size());
}

TEST_F(ExtractTest, EmptyEntryStopsAfterTheEarlierEntries) {
    EXPECT_FALSE(Product({Small("a.txt"), Small("b.txt"), {"empty.txt", ""}, Small("c.txt")}));
    EXPECT_EQ(Written(), (Files{"ROOT\\A.TXT", "ROOT\\B.TXT"}));
}

TEST_F(ExtractTest, NameEndsAtTheFirstNul) {
    std::string header = "VRXCad\\plug.dll";
    header += '\0';
    header += "in.dll leftover of an older, longer name";
    header.resize(400, 'Z');
    ASSERT_TRUE(Product({{header, "data"}}));
    EXPECT_EQ(Written(), Files{"ROOT\\VRXCAD\\PLUG.DLL"});
}

TEST_F(ExtractTest, HeaderWithoutNul) {
    // 399 name bytes and a 400th that is not NUL. Too long for any Windows
    // path, so only a skipping mode gets past it.
    const Item noNul{"VrxAi\\" + std::string(394, 'a'), "data"};
    ASSERT_EQ(noNul.name.size(), 400u);
    EXPECT_TRUE(Driver({noNul, Small("VRXDriver\\usb.inf")}));
    EXPECT_EQ(Written(), Files{"ROOT\\VRXDRIVER\\USB.INF"});
    EXPECT_FALSE(Product({noNul, Small("after.txt")}));
    EXPECT_EQ(Written(), Files{"ROOT\\VRXDRIVER\\USB.INF"});
}

// Every folder the two modes tell apart, with the letter case as stored.
std::vector<Item> MixedArchive() {
    std::vector<Item> items;
    uint32_t seed = 0;
    for (const char* name :
         {"readme.txt", "LXDriver\\ser.sys", "LXDriver\\sub\\deeper.sys", "lxdriver\\lower.sys",
          "VRXDriver\\usb.inf", "VRXDriver\\amd64\\k.dll", "VRXDriver\\x86\\k.dll", "vrxdriver\\lower.inf",
          "VrxAi\\ai.aip", "VRXPrograms\\BeamDraft.exe", "Contour\\x.dat"}) {
        items.push_back({name, Data(100 + seed, seed)});
        ++seed;
    }
    return items;
}

const Item& Named(const std::vector<Item>& items, const std::string& name) {
    return *std::find_if(items.begin(), items.end(), [&](const Item& i) { return i.name == name; });
}

TEST_F(ExtractTest, DriverModeWritesOnlyTheDriverFolders) {
    const auto items = MixedArchive();
    ::CreateDirectoryA((root + "LXDriver").c_str(), nullptr);
    ASSERT_TRUE(Driver(items));
    EXPECT_EQ(Written(), (Files{"ROOT\\LXDRIVER\\SER.SYS", "ROOT\\VRXDRIVER\\AMD64\\K.DLL",
                                "ROOT\\VRXDRIVER\\USB.INF", "ROOT\\VRXDRIVER\\X86\\K.DLL"}));
    for (const char* name : {"LXDriver\\ser.sys", "VRXDriver\\usb.inf", "VRXDriver\\amd64\\k.dll", "VRXDriver\\x86\\k.dll"})
        ExpectContents(root + name, Named(items, name).data);
}

TEST_F(ExtractTest, ProductModeSkipsOnlyTheSerialDriverFolder) {
    const auto items = MixedArchive();
    ::CreateDirectoryA((root + "LXDriver").c_str(), nullptr);  // left by an earlier run
    ASSERT_TRUE(Product(items));
    EXPECT_EQ(Written(), (Files{"ROOT\\LXDRIVER\\LOWER.SYS", "ROOT\\LXDRIVER\\SUB\\DEEPER.SYS", "ROOT\\README.TXT",
                                "ROOT\\VRXAI\\AI.AIP", "ROOT\\VRXDRIVER\\AMD64\\K.DLL", "ROOT\\VRXDRIVER\\LOWER.INF",
                                "ROOT\\VRXDRIVER\\USB.INF", "ROOT\\VRXDRIVER\\X86\\K.DLL",
                                "ROOT\\VRXPROGRAMS\\BEAMDRAFT.EXE", "WINDOWS\\X.DAT"}));
    for (const char* name : {"readme.txt", "LXDriver\\sub\\deeper.sys", "lxdriver\\lower.sys", "vrxdriver\\lower.inf",
                             "VRXPrograms\\BeamDraft.exe"})
        ExpectContents(root + name, Named(items, name).data);
    ExpectContents(windows + "x.dat", Named(items, "Contour\\x.dat").data);
}

TEST_F(ExtractTest, WindowsFolderWithoutTrailingBackslash) {
    const Item item = Small("Contour\\x.dat");
    WriteArchive({item});
    ASSERT_TRUE(payload::ExtractProductPayload(root, {archive, windows.substr(0, windows.size() - 1)}));
    ExpectContents(windows + "x.dat", item.data);
}

TEST_F(ExtractTest, ContourEntryGoesIntoTheRealWindowsFolderByDefault) {
    const std::string fileName = "extract_test_" + std::to_string(::GetCurrentProcessId()) + ".dat";
    const Item item = Small("Contour\\" + fileName);
    WriteArchive({item});
    ASSERT_TRUE(payload::ExtractProductPayload(root, {archive, ""}));
    char folder[MAX_PATH] = {};
    ASSERT_NE(::GetWindowsDirectoryA(folder, MAX_PATH), 0u);
    const std::string target = std::string(folder) + "\\" + fileName;
    ExpectContents(target, item.data);
    ::DeleteFileA(target.c_str());
    EXPECT_EQ(Written(), Files{});
}

TEST_F(ExtractTest, UnwritableTargetStopsAtThatEntry) {
    const std::vector<Item> items = {Small("a.txt"), Small("b.txt"), Small("c.txt")};
    WriteBytes(root + "b.txt", "old");

    ::SetFileAttributesA((root + "b.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Product(items)) << "read-only";
    EXPECT_EQ(Written(), (Files{"ROOT\\A.TXT", "ROOT\\B.TXT"}));
    ExpectContents(root + "b.txt", "old");

    ::SetFileAttributesA((root + "b.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA((root + "a.txt").c_str());
    {
        win::File running = win::File::OpenRead(root + "b.txt", win::File::Share::None);
        ASSERT_TRUE(running.IsOpen());
        EXPECT_FALSE(Product(items)) << "held open by a running program";
    }
    EXPECT_EQ(Written(), (Files{"ROOT\\A.TXT", "ROOT\\B.TXT"}));
    ExpectContents(root + "b.txt", "old");
}

TEST_F(ExtractTest, OnlyTheEntrysOwnFolderIsCreated) {
    EXPECT_FALSE(Product({Small("VRXDriver\\amd64\\k.dll"), Small("VRXDriver\\usb.inf")}));
    EXPECT_EQ(Written(), Files{});
    EXPECT_FALSE(Driver({Small("VRXDriver\\x86\\k.dll"), Small("VRXDriver\\usb.inf")}));
    EXPECT_EQ(Written(), Files{});
}

TEST_F(ExtractTest, RefusesNamesThatLeaveTheRoot) {
    for (const char* name : {"..\\evil.txt", "VRXPrograms\\..\\..\\evil.txt", "VRXDriver\\.. \\..\\evil.txt",
                             "C:\\evil.txt", "\\evil.txt", "..", "evil.txt:stream"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Product({Small("good.txt"), Small(name), Small("later.txt")}));
        EXPECT_EQ(Written(), Files{"ROOT\\GOOD.TXT"});
        // Checked even where the mode would skip the entry.
        EXPECT_FALSE(Driver({Small(name), Small("VRXDriver\\usb.inf")}));
        EXPECT_EQ(Written(), Files{"ROOT\\GOOD.TXT"});
    }
}

bool OpensExclusively(const std::string& path, DWORD access) {
    win::UniqueFile file(::CreateFileA(path.c_str(), access, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return static_cast<bool>(file);
}

// Wine maps Z: to the Unix root; a write to /dev/full fails as on a full disk.
TEST_F(ExtractTest, WriteFaultIsThrownAfterBothFilesAreClosed) {
    const std::string deviceFolder = "Z:\\dev\\";
    if (!OpensExclusively(deviceFolder + "full", GENERIC_WRITE)) GTEST_SKIP() << "no Z:\\dev\\full here";
    for (size_t size : {size_t{100}, size_t{600000}}) {
        SCOPED_TRACE(size);
        WriteArchive({{"full", Data(size, 9)}});
        try {
            payload::ExtractProductPayload(deviceFolder, Source());
            ADD_FAILURE() << "no FileError";
        } catch (const win::FileError& error) {
            EXPECT_EQ(error.code(), static_cast<DWORD>(ERROR_DISK_FULL));
        }
        EXPECT_TRUE(OpensExclusively(archive, GENERIC_READ)) << "archive left open";
        EXPECT_TRUE(OpensExclusively(deviceFolder + "full", GENERIC_WRITE)) << "target left open";
    }
}

}  // namespace
