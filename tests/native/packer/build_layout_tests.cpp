// What `setuppack build` writes, read back by code of the test's own.
#include <gtest/gtest.h>

#include <limits>

#include "archive_layout.h"
#include "packer_fixture.h"

namespace {

using namespace packer_test;

struct ParsedEntry {
    std::string name;
    Bytes data;
};

// Reads an installer without the archive library, asserting every layout rule on the way.
std::vector<ParsedEntry> ParseIndependently(const Bytes& file, const Bytes& stub) {
    std::vector<ParsedEntry> entries;
    EXPECT_EQ(file.size() % 8, 0u);
    EXPECT_TRUE(std::equal(stub.begin(), stub.end(), file.begin())) << "the stub comes first, unchanged";
    const uint32_t count = Le32(file, file.size() - 4);
    const size_t table = file.size() - 4 - 4 * size_t{count};
    std::vector<uint32_t> offsets;
    for (uint32_t i = 0; i < count; ++i) offsets.push_back(Le32(file, table + 4 * i));
    EXPECT_EQ(offsets.back(), table) << "the last offset is the table's own start";

    const size_t filler = offsets.front() - stub.size();
    EXPECT_LT(filler, 8u);
    for (size_t i = stub.size(); i < offsets.front(); ++i) EXPECT_EQ(file[i], 0) << "filler at " << i;

    for (uint32_t i = 0; i + 1 < count; ++i) {
        const size_t start = offsets[i];
        const size_t end = offsets[i + 1];
        const auto header = file.begin() + static_cast<long>(start);
        const auto nul = std::find(header, header + 400, 0);
        EXPECT_NE(nul, header + 400) << "entry " << i << " has a NUL in its header";
        EXPECT_TRUE(std::all_of(nul, header + 400, [](unsigned char b) { return b == 0; })) << "entry " << i;
        entries.push_back({std::string(header, nul), Bytes(header + 400, file.begin() + static_cast<long>(end))});
    }
    return entries;
}

class BuildLayout : public PackerTest {};

TEST_F(BuildLayout, WritesStubFillerEntriesTableAndCount) {
    const Bytes big = RandomBytes(70000, 1);
    AddFile("top.txt", "top");
    AddFile("VRXDriver/a.inf", "a");
    AddFile("VRXDriver/amd64/b.sys", big);
    ASSERT_EQ(Build().code, 0);

    const auto entries = ParseIndependently(ReadAll(Installer()), ReadAll(Stub()));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "top.txt");
    EXPECT_EQ(entries[0].data, Text("top"));
    EXPECT_EQ(entries[1].name, "VRXDriver\\a.inf");
    EXPECT_EQ(entries[1].data, Text("a"));
    EXPECT_EQ(entries[2].name, "VRXDriver\\amd64\\b.sys");
    EXPECT_EQ(entries[2].data, big);
}

TEST_F(BuildLayout, PutsEachFoldersFilesBeforeItsSubFoldersInByteOrder) {
    for (const char* name : {"b.txt", "A.txt", "_u.txt", "VRXPrograms/z.dll", "VRXPrograms/a.dll",
                             "VRXPrograms/lang/en.ini", "LXDriver/x.sys", "VRXDriver/x86/w.sys",
                             "VRXDriver/amd64/w.sys", "VRXDriver/a.inf", "VrxAi/p.aip"})
        AddFile(name, name);
    ASSERT_EQ(Build().code, 0);

    std::vector<std::string> names;
    for (const ParsedEntry& entry : ParseIndependently(ReadAll(Installer()), ReadAll(Stub())))
        names.push_back(entry.name);
    const std::vector<std::string> expected = {
        "A.txt", "_u.txt", "b.txt", "LXDriver\\x.sys", "VRXDriver\\a.inf", "VRXDriver\\amd64\\w.sys",
        "VRXDriver\\x86\\w.sys", "VRXPrograms\\a.dll", "VRXPrograms\\z.dll", "VRXPrograms\\lang\\en.ini",
        "VrxAi\\p.aip"};
    EXPECT_EQ(names, expected);
}

TEST_F(BuildLayout, PadsEveryInstallerToAMultipleOfEight) {
    AddFile("a", "1");
    for (size_t stubSize = 0; stubSize < 9; ++stubSize) {
        WriteAll(Stub(), RandomBytes(stubSize, 3));
        ASSERT_EQ(Build().code, 0) << stubSize;
        const Bytes file = ReadAll(Installer());
        EXPECT_EQ(file.size() % 8, 0u) << stubSize;
        EXPECT_EQ(Le32(file, file.size() - 4), 2u) << stubSize;
        EXPECT_EQ(ParseIndependently(file, ReadAll(Stub())).size(), 1u);
    }
}

TEST_F(BuildLayout, WritesTheSameBytesForTheSameInputs) {
    AddFile("VRXPrograms/a.dll", RandomBytes(3000, 4));
    AddFile("VRXPrograms/b.dll", RandomBytes(5, 5));
    ASSERT_EQ(Build().code, 0);
    const Bytes first = ReadAll(Installer());

    // Other timestamps and another creation order of the same files.
    fs::remove_all(Payload());
    AddFile("VRXPrograms/b.dll", RandomBytes(5, 5));
    AddFile("VRXPrograms/a.dll", RandomBytes(3000, 4));
    fs::last_write_time(Payload() / "VRXPrograms/a.dll", fs::file_time_type::clock::now() - std::chrono::hours(5));
    ASSERT_EQ(Build().code, 0);
    EXPECT_EQ(ReadAll(Installer()), first);
}

TEST_F(BuildLayout, StoresNamesInTheGivenCodePage) {
    AddFile("VRXLanguage/\xE4\xB8\xAD\xE6\x96\x87.ini", "zh");  // 中文.ini
    AddFile("VRXRes/caf\xC3\xA9.png", "png");                  // café.png
    ASSERT_EQ(Build({"--codepage", "936"}).code, 0);
    auto entries = ParseIndependently(ReadAll(Installer()), ReadAll(Stub()));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "VRXLanguage\\\xD6\xD0\xCE\xC4.ini");

    fs::remove_all(Payload() / "VRXLanguage");
    ASSERT_EQ(Build({"--codepage", "1252"}).code, 0);
    entries = ParseIndependently(ReadAll(Installer()), ReadAll(Stub()));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "VRXRes\\caf\xE9.png");
}

TEST_F(BuildLayout, ReportsProgressOnlyForLargePayloads) {
    WriteAll(Stub(), StubWithBlock());
    AddFile("VRXPrograms/small.dll", RandomBytes(1000, 6));
    RunResult small = Build();
    ASSERT_EQ(small.code, 0);
    EXPECT_EQ(small.err, "");

    AddFile("VRXPrograms/large.dll", RandomBytes(17 * 1024 * 1024, 7));
    RunResult large = Build();
    ASSERT_EQ(large.code, 0);
    EXPECT_NE(large.err.find("50%"), std::string::npos) << large.err;
    EXPECT_NE(large.err.find("100%"), std::string::npos) << large.err;
}

TEST(ArchiveLayout, KeepsEveryOffsetWithin32Bits) {
    const uint64_t limit = std::numeric_limits<uint32_t>::max();
    // Table start = stub + filler + 400 + data must not pass 2^32 - 1.
    const auto fits = setuppack::LayOut(0, {limit - 400 - 7});
    ASSERT_TRUE(fits.has_value());
    EXPECT_LE(fits->offsets.back(), limit);
    EXPECT_EQ(fits->length % 8, 0u);
    EXPECT_FALSE(setuppack::LayOut(0, {limit - 399}).has_value());
    EXPECT_FALSE(setuppack::LayOut(limit + 1, {}).has_value());
    EXPECT_FALSE(setuppack::LayOut(16, {limit / 2, limit / 2}).has_value());
}

}  // namespace
