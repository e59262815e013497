// The sample Setup.exe, signed as vendors sign it, extracted by the program's
// own code in both modes and compared with the payload it was packed from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payload/extract_win32.h"
#include "support/temp_folder.h"

namespace {

using testing_support::FilesBelow;
using testing_support::ReadBytes;

class SignedSample : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing_support::Exists(installer)) << installer << " is missing: build the sample_signed target";
    }
    // The payload's files that a mode writes, as FilesBelow lists them.
    std::vector<std::string> PayloadFiles(bool driverMode) const {
        std::vector<std::string> selected;
        for (const std::string& file : FilesBelow(payload)) {
            bool driverFile = file.rfind("LXDRIVER\\", 0) == 0 || file.rfind("VRXDRIVER\\", 0) == 0;
            bool productFile = file.rfind("LXDRIVER\\", 0) != 0;
            if (driverMode ? driverFile : productFile) selected.push_back(file);
        }
        return selected;
    }
    void ExpectSameContents(const std::string& root, const std::vector<std::string>& files) const {
        for (const std::string& file : files) {
            EXPECT_EQ(ReadBytes(root + file), ReadBytes(payload + file)) << file;
        }
    }

    const std::string installer = testing_support::WindowsPathOf(SIGNED_SAMPLE);
    const std::string payload = testing_support::WindowsPathOf(SAMPLE_PAYLOAD) + "\\";
    testing_support::TempFolder scratch;
};

TEST_F(SignedSample, ProductModeWritesEverythingButTheSerialDriver) {
    const std::string root = scratch.MakeFolder("product");
    ASSERT_TRUE(payload::ExtractProductPayload(root, {installer, scratch.MakeFolder("windows")}));
    const std::vector<std::string> expected = PayloadFiles(false);
    EXPECT_EQ(FilesBelow(root), expected);
    ExpectSameContents(root, expected);
}

TEST_F(SignedSample, DriverModeWritesTheDriverFolders) {
    const std::string root = scratch.MakeFolder("system32");
    ASSERT_TRUE(payload::ExtractDriverPayload(root, {installer, {}}));
    const std::vector<std::string> expected = PayloadFiles(true);
    ASSERT_EQ(expected.size(), 30u);  // 14 serial-driver files and 16 of the USB driver package
    EXPECT_EQ(FilesBelow(root), expected);
    ExpectSameContents(root, expected);
}

}  // namespace
