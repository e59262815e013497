// Where the archive ends in a file that a signing tool may have extended.
#include <gtest/gtest.h>

#include "archive_bytes.h"

namespace {

using namespace archive_test;

constexpr size_t kPeOffset = 0x80;
constexpr size_t kOptional = kPeOffset + 24;

// The head of a PE file: DOS header, signature, file header and an optional
// header whose certificate-table entry says (start, size).
Bytes PeHead(uint16_t magic, uint32_t certificateStart, uint32_t certificateSize) {
    const bool plus = magic == 0x20b;
    const size_t directories = kOptional + (plus ? 112 : 96);
    Bytes head(1024, 0);
    head[0] = 'M';
    head[1] = 'Z';
    PutLe32(head, 0x3C, kPeOffset);
    std::memcpy(head.data() + kPeOffset, "PE\0\0", 4);
    PutLe16(head, kPeOffset + 20, static_cast<uint16_t>(directories + 16 * 8 - kOptional));
    PutLe16(head, kOptional, magic);
    PutLe32(head, kOptional + (plus ? 108 : 92), 16);
    PutLe32(head, directories + 4 * 8, certificateStart);
    PutLe32(head, directories + 4 * 8 + 4, certificateSize);
    return head;
}

uint64_t EndOf(const Bytes& head, uint64_t fileLength) { return payload::ArchiveEnd(head.data(), head.size(), fileLength); }

TEST(ArchiveEnd, StopsAtACertificateTableThatEndsTheFile) {
    for (uint16_t magic : {0x10b, 0x20b}) {
        EXPECT_EQ(EndOf(PeHead(magic, 5000, 1200), 6200), 5000u) << magic;
        EXPECT_EQ(EndOf(PeHead(magic, 5000, 1200), 6208), 6208u) << magic;  // bytes after the table
        EXPECT_EQ(EndOf(PeHead(magic, 5000, 0), 5000), 5000u) << magic;     // empty table
        EXPECT_EQ(EndOf(PeHead(magic, 0, 0), 6200), 6200u) << magic;        // not signed
    }
}

TEST(ArchiveEnd, FallsBackToTheFileLengthForAnythingMalformed) {
    Bytes noMz = PeHead(0x10b, 5000, 1200);
    noMz[0] = 'Z';
    EXPECT_EQ(EndOf(noMz, 6200), 6200u);

    Bytes noSignature = PeHead(0x10b, 5000, 1200);
    noSignature[kPeOffset + 1] = 'X';
    EXPECT_EQ(EndOf(noSignature, 6200), 6200u);

    Bytes farHeader = PeHead(0x10b, 5000, 1200);
    PutLe32(farHeader, 0x3C, 0xFFFFFFF0u);
    EXPECT_EQ(EndOf(farHeader, 6200), 6200u);

    EXPECT_EQ(EndOf(PeHead(0x107, 5000, 1200), 6200), 6200u);  // ROM image magic

    Bytes fewDirectories = PeHead(0x10b, 5000, 1200);
    PutLe32(fewDirectories, kOptional + 92, 4);
    EXPECT_EQ(EndOf(fewDirectories, 6200), 6200u);

    Bytes smallOptional = PeHead(0x10b, 5000, 1200);
    PutLe16(smallOptional, kPeOffset + 20, 96);
    EXPECT_EQ(EndOf(smallOptional, 6200), 6200u);

    const Bytes whole = PeHead(0x10b, 5000, 1200);
    EXPECT_EQ(payload::ArchiveEnd(whole.data(), kOptional + 100, 6200), 6200u);  // head cut short
    EXPECT_EQ(payload::ArchiveEnd(whole.data(), 10, 6200), 6200u);
    EXPECT_EQ(payload::ArchiveEnd(nullptr, 0, 6200), 6200u);

    // A table claimed to end at the file's end by wrapping 32 bits does not.
    EXPECT_EQ(EndOf(PeHead(0x10b, 0xFFFFFF00u, 0x200), 0x100), 0x100u);
}

// An installer whose stub is a PE file, with a certificate table appended the
// way signing tools do it: after padding the file to a multiple of 8.
Bytes SignedInstaller(const Bytes& unsigned_, size_t certificateSize) {
    Bytes signed_ = unsigned_;
    const uint32_t start = static_cast<uint32_t>(signed_.size());
    signed_.resize(signed_.size() + certificateSize, 0x30);
    const size_t directories = kOptional + 96;
    PutLe32(signed_, directories + 32, start);
    PutLe32(signed_, directories + 36, static_cast<uint32_t>(certificateSize));
    return signed_;
}

TEST(ArchiveEnd, LetsTheWalkReadASignedInstaller) {
    // Offsets are absolute: the builder's stub room is overwritten with a PE head.
    const Bytes stub = PeHead(0x10b, 0, 0);
    Bytes unsigned_ = ArchiveBuilder(stub.size()).Add("VRXPrograms\\a.dll", "abc").Add("VRXPrograms\\b.dll", "d").Build();
    std::copy(stub.begin(), stub.end(), unsigned_.begin());

    const Walked plain = Walk(unsigned_);
    ASSERT_TRUE(plain.result.Ok()) << plain.result.reason;

    const Walked signedWalk = Walk(SignedInstaller(unsigned_, 1536));
    ASSERT_TRUE(signedWalk.result.Ok()) << signedWalk.result.reason;
    ASSERT_EQ(signedWalk.entries.size(), 2u);
    EXPECT_EQ(signedWalk.entries[1].name, "VRXPrograms\\b.dll");

    // Without the directory entry the signature's last bytes are taken as the count.
    Bytes unannounced = SignedInstaller(unsigned_, 1536);
    PutLe32(unannounced, kOptional + 96 + 36, 0);
    EXPECT_FALSE(Walk(unannounced).result.Ok());
}

}  // namespace
