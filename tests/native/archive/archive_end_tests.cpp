// Where the archive ends in a file that a signing tool may have extended.
#include <gtest/gtest.h>

#include "walk_fixture.h"

namespace {

using namespace archive_test;

uint64_t EndOf(const Bytes& head, uint64_t fileLength) { return payload::ArchiveEnd(head.data(), head.size(), fileLength); }

TEST(ArchiveEnd, StopsAtACertificateTableThatEndsTheFile) {
    for (uint16_t magic : {kPe32, kPe32Plus}) {
        EXPECT_EQ(EndOf(PeHead(magic, 5000, 1200), 6200), 5000u) << magic;
        EXPECT_EQ(EndOf(PeHead(magic, 5000, 1200), 6208), 6208u) << magic;  // bytes after the table
        EXPECT_EQ(EndOf(PeHead(magic, 5000, 0), 5000), 5000u) << magic;     // empty table
        EXPECT_EQ(EndOf(PeHead(magic, 0, 0), 6200), 6200u) << magic;        // not signed
    }
}

TEST(ArchiveEnd, FallsBackToTheFileLengthForAnythingMalformed) {
    Bytes noMz = PeHead(kPe32, 5000, 1200);
    noMz[0] = 'Z';
    EXPECT_EQ(EndOf(noMz, 6200), 6200u);

    Bytes noSignature = PeHead(kPe32, 5000, 1200);
    noSignature[kPeHeader + 1] = 'X';
    EXPECT_EQ(EndOf(noSignature, 6200), 6200u);

    Bytes farHeader = PeHead(kPe32, 5000, 1200);
    PutLe32(farHeader, 0x3C, 0xFFFFFFF0u);
    EXPECT_EQ(EndOf(farHeader, 6200), 6200u);

    EXPECT_EQ(EndOf(PeHead(0x107, 5000, 1200), 6200), 6200u);  // ROM image magic

    Bytes fewDirectories = PeHead(kPe32, 5000, 1200);
    PutLe32(fewDirectories, DataDirectories(kPe32) - 4, 4);  // the count of directories
    EXPECT_EQ(EndOf(fewDirectories, 6200), 6200u);

    Bytes smallOptional = PeHead(kPe32, 5000, 1200);
    PutLe16(smallOptional, kPeHeader + 20, 96);
    EXPECT_EQ(EndOf(smallOptional, 6200), 6200u);

    const Bytes whole = PeHead(kPe32, 5000, 1200);
    EXPECT_EQ(payload::ArchiveEnd(whole.data(), kOptionalHeader + 100, 6200), 6200u);  // head cut short
    EXPECT_EQ(payload::ArchiveEnd(whole.data(), 10, 6200), 6200u);
    EXPECT_EQ(payload::ArchiveEnd(nullptr, 0, 6200), 6200u);

    // A table claimed to end at the file's end by wrapping 32 bits does not.
    EXPECT_EQ(EndOf(PeHead(kPe32, 0xFFFFFF00u, 0x200), 0x100), 0x100u);
}

TEST(ArchiveEnd, LetsTheWalkReadASignedInstaller) {
    const Bytes unsigned_ =
        ArchiveBuilder::AfterStub(PeHead()).Add("VRXPrograms\\a.dll", "abc").Add("VRXPrograms\\b.dll", "d").Build();

    const Walked plain = Walk(unsigned_);
    ASSERT_TRUE(plain.result.Ok()) << plain.result.reason;

    const Walked signedWalk = Walk(Signed(unsigned_, 1536));
    ASSERT_TRUE(signedWalk.result.Ok()) << signedWalk.result.reason;
    ASSERT_EQ(signedWalk.entries.size(), 2u);
    EXPECT_EQ(signedWalk.entries[1].name, "VRXPrograms\\b.dll");

    // Without the directory entry the signature's last bytes are taken as the count.
    Bytes unannounced = Signed(unsigned_, 1536);
    PutLe32(unannounced, CertificateEntry(kPe32) + 4, 0);
    EXPECT_FALSE(Walk(unannounced).result.Ok());
}

}  // namespace
