// The archive's checksum: the sum itself, and the check that Setup.exe makes
// before it writes anything, on archives held in memory.
#include "payload/integrity.h"

#include <gtest/gtest.h>

#include "walk_fixture.h"

namespace {

using namespace archive_test;

TEST(Crc32, IsTheSumOfZipAndPngInAnyPieces) {
    const std::string check = "123456789";
    EXPECT_EQ(payload::Crc32(0, check.data(), check.size()), 0xCBF43926u);
    EXPECT_EQ(payload::Crc32(0, "", 0), 0u);
    // Long enough for the carry-less path; the sums are zlib's, unaligned start included.
    Bytes pattern(100003);
    for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<unsigned char>(i * 7 + i / 256);
    EXPECT_EQ(payload::Crc32(0, pattern.data(), pattern.size()), 0x0B697026u);
    EXPECT_EQ(payload::Crc32(0, pattern.data() + 5, pattern.size() - 5), 0x7AFAC0B6u);
    const Bytes bytes = RandomBytes(1000, 3);
    const uint32_t whole = payload::Crc32(0, bytes.data(), bytes.size());
    for (size_t split : {1, 7, 8, 9, 500, 999})
        EXPECT_EQ(payload::Crc32(payload::Crc32(0, bytes.data(), split), bytes.data() + split, bytes.size() - split), whole)
            << split;
}

TEST(Crc32, PiecesSummedApartCombineIntoTheSumOfTheWhole) {
    const Bytes bytes = RandomBytes(5000, 11);
    const uint32_t whole = payload::Crc32(0, bytes.data(), bytes.size());
    for (size_t split : {0, 1, 63, 64, 2500, 4999, 5000}) {
        const uint32_t first = payload::Crc32(0, bytes.data(), split);
        const uint32_t second = payload::Crc32(0, bytes.data() + split, bytes.size() - split);
        EXPECT_EQ(payload::Crc32Combine(first, second, bytes.size() - split), whole) << split;
    }
    // A second piece of zeros beyond 4 GiB: the length's high bits count too.
    EXPECT_NE(payload::Crc32Combine(whole, 0, uint64_t{1} << 32), payload::Crc32Combine(whole, 0, 0));
}

class ArchiveIntegrity : public ::testing::Test {
protected:
    void SetUp() override {
        stub_ = PeHead();
        installer_ = ArchiveBuilder::AfterStub(stub_).AddAll({{"VRXPrograms\\a.dll", "abcdef"}, {"readme.txt", "r"}}).Build();
        block_.archiveLength = installer_.size() - stub_.size();
        block_.crc = payload::Crc32(0, installer_.data() + stub_.size(), block_.archiveLength);
    }
    payload::IntegrityResult Check(const Bytes& file, const payload::IntegrityBlock& block) {
        MemoryReader reader(file);
        return payload::CheckIntegrity(reader, block);
    }

    Bytes stub_, installer_;
    payload::IntegrityBlock block_;
};

TEST_F(ArchiveIntegrity, FindsEveryFlippedByteOfTheArchive) {
    EXPECT_EQ(Check(installer_, block_).status, payload::IntegrityStatus::Intact);
    for (size_t i = stub_.size(); i < installer_.size(); ++i) {
        Bytes damaged = installer_;
        damaged[i] ^= 0x01;
        EXPECT_EQ(Check(damaged, block_).status, payload::IntegrityStatus::Damaged) << "byte " << i;
    }
}

TEST_F(ArchiveIntegrity, FindsAFileCutOffAnywhere) {
    for (size_t cut : {size_t{1}, size_t{8}, size_t{403}, installer_.size() - stub_.size(), installer_.size() - 1}) {
        const Bytes cutOff(installer_.begin(), installer_.end() - static_cast<long>(cut));
        const payload::IntegrityResult result = Check(cutOff, block_);
        EXPECT_EQ(result.status, payload::IntegrityStatus::Damaged) << cut;
        EXPECT_FALSE(result.reason.empty());
    }
}

TEST_F(ArchiveIntegrity, StepsOverASignatureAndChecksNothingWithoutAStoredSum) {
    EXPECT_EQ(Check(Signed(installer_, 1560), block_).status, payload::IntegrityStatus::Intact);
    EXPECT_EQ(Check(installer_, payload::IntegrityBlock{}).status, payload::IntegrityStatus::NotStored);
    Bytes damaged = installer_;
    damaged.back() ^= 0xFF;
    EXPECT_EQ(Check(damaged, payload::IntegrityBlock{}).status, payload::IntegrityStatus::NotStored);
}

TEST(IntegrityBlock, FieldsRoundTripAndTheOwnBlockIsEmpty) {
    payload::IntegrityBlock block;
    block.archiveLength = 0x1'2345'6789ull;
    block.crc = 0xCBF43926u;
    unsigned char fields[payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize];
    payload::WriteIntegrityFields(block, fields);
    EXPECT_EQ(fields[0], 0x89);
    EXPECT_EQ(fields[4], 0x01);
    EXPECT_EQ(fields[8], 0x26);
    const payload::IntegrityBlock read = payload::ReadIntegrityFields(fields);
    EXPECT_EQ(read.archiveLength, block.archiveLength);
    EXPECT_EQ(read.crc, block.crc);
    // A program that no packer has filled in stores nothing.
    EXPECT_FALSE(payload::OwnIntegrityBlock().Stored());
    EXPECT_EQ(payload::IntegrityMarker().size(), payload::kIntegrityMarkerSize);
}

}  // namespace
