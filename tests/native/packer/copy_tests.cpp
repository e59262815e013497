// Copying entries: inside the kernel where it can, through the buffer from the
// first piece it refuses, on one file system and across two.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <sstream>

#include "copy_range.h"
#include "packer_fixture.h"
#include "platform.h"
#include "progress.h"

namespace {

using namespace packer_test;

struct CopyCase {
    const char* kernel;
    size_t kernelPieces;  // how many pieces the kernel copies before it refuses
    size_t kernelShortBy;  // bytes each kernel piece falls short of what was asked
};

TEST(CopyRange, FallsBackToTheBufferAtTheFirstPieceTheKernelRefuses) {
    const Bytes source = RandomBytes(100000, 11);
    const uint64_t start = 1234, size = 90001;
    for (const CopyCase& c : {CopyCase{"refuses at once", 0, 0}, CopyCase{"copies short pieces, then refuses", 3, 777},
                              CopyCase{"copies everything", 1000, 0}}) {
        Bytes target;
        size_t kernelCalls = 0;
        const setuppack::CopySteps steps = {
            [&](uint64_t position, size_t piece) -> size_t {
                if (kernelCalls++ >= c.kernelPieces) return 0;
                const size_t copied = piece > c.kernelShortBy ? piece - c.kernelShortBy : piece;
                target.insert(target.end(), source.begin() + position, source.begin() + position + copied);
                return copied;
            },
            [&](uint64_t position, char* buffer, size_t piece) { std::memcpy(buffer, source.data() + position, piece); },
            [&](const char* buffer, size_t piece) { target.insert(target.end(), buffer, buffer + piece); },
        };
        std::vector<char> buffer(4096);
        std::ostringstream progressOut;
        setuppack::Progress progress(progressOut, "copied", size);
        setuppack::CopyRange(steps, start, size, buffer, &progress);
        EXPECT_EQ(target, Bytes(source.begin() + start, source.begin() + start + size)) << c.kernel;
        if (c.kernelPieces == 0) {
            EXPECT_EQ(kernelCalls, 1u) << c.kernel;  // refused once, never asked again
        }
    }
}

// A scratch folder on a file system other than the temporary folder's.
class AcrossFileSystems : public PackerTest {
protected:
    void SetUp() override {
        PackerTest::SetUp();
        other_ = fs::path("/dev/shm") / ("setuppack-" + Root().filename().string());
        fs::create_directories(other_);
        struct stat here {}, there {};
        ASSERT_EQ(stat(Root().c_str(), &here), 0);
        ASSERT_EQ(stat(other_.c_str(), &there), 0);
        ASSERT_NE(here.st_dev, there.st_dev) << "the test needs " << other_ << " on another file system than " << Root();
    }
    void TearDown() override {
        fs::remove_all(other_);
        PackerTest::TearDown();
    }
    fs::path Other() const { return other_; }

private:
    fs::path other_;
};

size_t KernelCopy(const fs::path& from, const fs::path& to, size_t size) {
    auto source = setuppack::SystemFile::OpenToRead(from.string());
    auto target = setuppack::SystemFile::CreateToWrite(to.string());
    return target.CopyInKernel(source, 0, size);
}

TEST_F(AcrossFileSystems, TheKernelCopiesWithinOneAndRefusesAcrossThem) {
    WriteAll(Root() / "a.bin", RandomBytes(5000, 12));
    EXPECT_EQ(KernelCopy(Root() / "a.bin", Root() / "b.bin", 5000), 5000u);
    EXPECT_EQ(ReadAll(Root() / "b.bin"), ReadAll(Root() / "a.bin"));
    EXPECT_EQ(KernelCopy(Root() / "a.bin", Other() / "b.bin", 5000), 0u);
}

TEST_F(AcrossFileSystems, BuildAndExtractCopyThroughTheBuffer) {
    AddFile("VRXPrograms/BeamDraft.exe", RandomBytes(3 * 1024 * 1024 + 17, 13));
    AddFile("VRXDriver/libusbK.inf", "inf");
    const fs::path installer = Other() / "installer.exe";
    ASSERT_EQ(RunPacker({"build", "--stub", Stub().string(), "--payload", Payload().string(), "--out",
                         installer.string()})
                  .code,
              0);
    ASSERT_EQ(Build().code, 0);
    EXPECT_EQ(ReadAll(installer), ReadAll(Installer()));

    const RunResult extract = RunPacker({"extract", installer.string(), "--out", (Root() / "out").string()});
    ASSERT_EQ(extract.code, 0) << extract.err;
    EXPECT_EQ(ReadAll(Root() / "out/VRXPrograms/BeamDraft.exe"), ReadAll(Payload() / "VRXPrograms/BeamDraft.exe"));
    EXPECT_EQ(ReadAll(Root() / "out/VRXDriver/libusbK.inf"), Text("inf"));
}

}  // namespace
