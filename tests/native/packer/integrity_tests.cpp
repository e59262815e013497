// The integrity block: build fills in the one the stub reserves, list and
// verify report it, and verify fails when the archive no longer matches it.
#include <gtest/gtest.h>

#include <algorithm>

#include "packer_fixture.h"

namespace {

using namespace packer_test;

class Integrity : public PackerTest {
protected:
    void SetUp() override {
        PackerTest::SetUp();
        WriteAll(Stub(), StubWithBlock());
        AddFile("VRXPrograms/BeamDraft.exe", RandomBytes(70000, 31));
        AddFile("VRXDriver/libusbK.inf", "inf");
    }
    RunResult Verify(const fs::path& installer) { return RunPacker({"verify", installer.string()}); }
    static bool Says(const RunResult& result, const std::string& text) {
        return result.out.find(text) != std::string::npos || result.err.find(text) != std::string::npos;
    }
};

TEST_F(Integrity, BuildStoresTheArchivesSumInTheStubsBlockOnly) {
    const RunResult build = Build();
    ASSERT_EQ(build.code, 0) << build.err;
    EXPECT_EQ(build.err, "");
    const Bytes stub = ReadAll(Stub()), installer = ReadAll(Installer());
    const size_t fields = 600 + payload::kIntegrityMarkerSize;
    EXPECT_TRUE(std::equal(stub.begin(), stub.begin() + fields, installer.begin()));
    EXPECT_TRUE(std::equal(stub.begin() + 632, stub.end(), installer.begin() + 632));
    const payload::IntegrityBlock block = payload::ReadIntegrityFields(installer.data() + fields);
    EXPECT_EQ(block.archiveLength, installer.size() - stub.size());
    EXPECT_EQ(block.crc, payload::Crc32(0, installer.data() + stub.size(), installer.size() - stub.size()));

    const RunResult verify = Verify(Installer());
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_TRUE(Says(verify, "matches")) << verify.out;
    const RunResult list = RunPacker({"list", Installer().string()});
    EXPECT_EQ(list.code, 0);
    EXPECT_TRUE(Says(list, "matches")) << list.err;
}

TEST_F(Integrity, VerifyFailsOnAFlippedByteInTheEntriesAndOnACutOffFile) {
    ASSERT_EQ(Build().code, 0);
    const Bytes installer = ReadAll(Installer());
    const size_t stubSize = ReadAll(Stub()).size();
    // A byte in a name header's padding and one in the data: the walk alone finds neither.
    for (size_t at : {stubSize + 8 + 300, installer.size() / 2}) {
        Bytes damaged = installer;
        damaged[at] ^= 0x20;
        WriteAll(Installer(), damaged);
        const RunResult result = Verify(Installer());
        EXPECT_EQ(result.code, 1) << at;
        EXPECT_TRUE(Says(result, "does not match")) << result.err;
        const RunResult list = RunPacker({"list", Installer().string()});
        EXPECT_EQ(list.code, 0) << "list lists a damaged installer and says so";
        EXPECT_TRUE(Says(list, "does not match")) << list.err;
    }
    WriteAll(Installer(), Bytes(installer.begin(), installer.end() - 1000));
    EXPECT_EQ(Verify(Installer()).code, 1);
}

TEST_F(Integrity, ASignedInstallerStillMatches) {
    WriteAll(Stub(), StubWithBlock(test_archive::PeHead()));
    ASSERT_EQ(Build().code, 0);
    WriteAll(Installer(), test_archive::Signed(ReadAll(Installer()), 1560));
    const RunResult verify = Verify(Installer());
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_TRUE(Says(verify, "matches")) << verify.out;
}

TEST_F(Integrity, AnEmptyBlockOrNoneIsReportedAndNotChecked) {
    const Bytes emptyBlock = test_archive::ArchiveBuilder::AfterStub(ReadAll(Stub())).AddAll({{"a.txt", "a"}}).Build();
    WriteAll(Installer(), emptyBlock);
    RunResult verify = Verify(Installer());
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_TRUE(Says(verify, "the integrity block is empty")) << verify.out;

    WriteAll(Stub(), RandomBytes(1001, 7));
    const RunResult build = Build();
    ASSERT_EQ(build.code, 0);
    EXPECT_TRUE(Says(build, "reserves no integrity block")) << build.err;
    verify = Verify(Installer());
    EXPECT_EQ(verify.code, 0) << verify.err;
    EXPECT_TRUE(Says(verify, "reserves no integrity block")) << verify.out;
}

TEST_F(Integrity, BuildRefusesAStubWithTheMarkerTwice) {
    Bytes twice = StubWithBlock();
    const Bytes again = StubWithBlock();
    twice.insert(twice.end(), again.begin(), again.end());
    WriteAll(Stub(), twice);
    const RunResult build = Build();
    EXPECT_EQ(build.code, 1);
    EXPECT_TRUE(Says(build, "marker 2 times")) << build.err;
    EXPECT_FALSE(fs::exists(Installer()));
}

}  // namespace
