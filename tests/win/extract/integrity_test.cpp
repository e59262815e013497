// The integrity check on copies of the real sample Setup.exe, unsigned and
// signed: intact, one flipped byte, cut off, and packed with an empty block.
#include <gtest/gtest.h>

#include <string>

#include "payload/extract_win32.h"
#include "support/temp_folder.h"

namespace {

using payload::IntegrityStatus;
using testing_support::ReadBytes;
using testing_support::WindowsPathOf;

// The block as the running copy would read it from its own image.
payload::IntegrityBlock BlockIn(const std::string& image) {
    const size_t at = image.find(payload::IntegrityMarker());
    if (at == std::string::npos) return {};
    return payload::ReadIntegrityFields(reinterpret_cast<const unsigned char*>(image.data()) + at +
                                        payload::kIntegrityMarkerSize);
}

class Integrity : public ::testing::Test {
protected:
    // Writes image as a copy and checks it against the block it carries.
    IntegrityStatus Check(const std::string& image) {
        const std::string copy = scratch / ("Setup" + std::to_string(++copies) + ".exe");
        testing_support::WriteBytes(copy, image);
        return payload::CheckPayloadIntegrity({copy, {}}, BlockIn(image)).status;
    }
    std::string Read(const char* path) {
        std::optional<std::string> bytes = ReadBytes(WindowsPathOf(path));
        EXPECT_TRUE(bytes) << path;
        return bytes.value_or(std::string());
    }

    testing_support::TempFolder scratch;
    int copies = 0;
};

TEST_F(Integrity, TheSampleVerifiesSignedOrNotAndEveryDamageIsFound) {
    // Signing changes header fields and appends the signature: the archive keeps its place.
    const size_t archiveEnd = Read(SAMPLE_SETUP).size();
    for (const char* path : {SAMPLE_SETUP, SIGNED_SAMPLE}) {
        const std::string image = Read(path);
        const payload::IntegrityBlock block = BlockIn(image);
        ASSERT_TRUE(block.Stored()) << path;
        EXPECT_EQ(Check(image), IntegrityStatus::Intact) << path;

        const size_t archiveStart = archiveEnd - block.archiveLength;
        for (size_t at : {archiveStart, archiveStart + block.archiveLength / 2, archiveStart + block.archiveLength - 1}) {
            std::string flipped = image;
            flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
            EXPECT_EQ(Check(flipped), IntegrityStatus::Damaged) << path << " at " << at;
        }
        EXPECT_EQ(Check(image.substr(0, image.size() - 4096)), IntegrityStatus::Damaged) << path;
    }
}

TEST_F(Integrity, AnEmptyBlockIsNotChecked) {
    std::string image = Read(SAMPLE_SETUP);
    const size_t fields = image.find(payload::IntegrityMarker()) + payload::kIntegrityMarkerSize;
    unsigned char empty[payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize];
    payload::WriteIntegrityFields({}, empty);
    image.replace(fields, sizeof empty, reinterpret_cast<const char*>(empty), sizeof empty);
    image.back() = static_cast<char>(image.back() ^ 1);
    EXPECT_EQ(Check(image), IntegrityStatus::NotStored);
}

}  // namespace
