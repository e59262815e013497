// Payload folders `setuppack build` refuses, each with a reason naming the file.
#include <gtest/gtest.h>

#include "packer_fixture.h"

namespace {

using namespace packer_test;

class BuildRefuses : public PackerTest {
protected:
    // Builds, expects exit 1, no installer, and a reason that mentions `needle`.
    void ExpectRefusal(const std::string& needle, const std::vector<std::string>& extra = {}) {
        const RunResult result = Build(extra);
        EXPECT_EQ(result.code, 1) << result.err;
        EXPECT_NE(result.err.find(needle), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(Installer()));
        EXPECT_FALSE(fs::exists(Installer().string() + ".partial"));
    }
};

TEST_F(BuildRefuses, EmptyFiles) {
    AddFile("VRXPrograms/ok.dll", "x");
    AddFile("VRXPrograms/empty.dll", "");
    ExpectRefusal("VRXPrograms/empty.dll: the file is empty");
}

TEST_F(BuildRefuses, NamesOf400BytesOrMore) {
    const std::string folder(200, 'f');
    AddFile(folder + "/" + std::string(198, 'n'), "399 bytes fit");  // 200 + 1 + 198
    ASSERT_EQ(Build().code, 0);
    fs::remove(Installer());
    AddFile(folder + "/" + std::string(199, 'm'), "400 bytes do not");
    ExpectRefusal(std::string(199, 'm') + ": the stored name is 400 bytes long");
}

TEST_F(BuildRefuses, MoreThan599Files) {
    for (int i = 0; i < 599; ++i) AddFile("VRXPrograms/f" + std::to_string(i), "x");
    ASSERT_EQ(Build().code, 0);
    fs::remove(Installer());
    AddFile("VRXPrograms/f599", "x");
    ExpectRefusal("600 files");
}

TEST_F(BuildRefuses, FoldersWithoutFilesOfTheirOwn) {
    AddFile("VRXDriver/amd64/a.sys", "x");
    ExpectRefusal("VRXDriver/: the folder holds no files of its own");
}

TEST_F(BuildRefuses, SubFoldersThatAnExtractionModeWouldWriteWithoutTheirParent) {
    // The product extraction skips LXDriver, so it never creates the folder LXDriver\sub needs.
    AddFile("LXDriver/a.sys", "x");
    AddFile("LXDriver/sub/b.sys", "y");
    ExpectRefusal("LXDriver\\sub\\b.sys\": the product extraction writes it before its folder's parent");
}

TEST_F(BuildRefuses, NonAsciiNamesWithoutACodePage) {
    AddFile("VRXLanguage/\xE4\xB8\xAD\xE6\x96\x87.ini", "zh");
    ExpectRefusal("VRXLanguage/\xE4\xB8\xAD\xE6\x96\x87.ini: the name is not ASCII; give --codepage");
    ExpectRefusal("cannot be written exactly in code page 1252", {"--codepage", "1252"});
}

TEST_F(BuildRefuses, UnsupportedCodePagesAsWrongUsage) {
    AddFile("a", "x");
    const RunResult result = Build({"--codepage", "437"});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("936"), std::string::npos) << result.err;
}

TEST_F(BuildRefuses, NamesThatLeaveTheRootOrThatWindowsForbids) {
    AddFile("VRXPrograms/a.dll", "x");
    AddFile("VRXPrograms/...", "dots");
    AddFile("VRXPrograms/back\\slash", "x");
    AddFile("VRXPrograms/what?.txt", "x");
    const RunResult result = Build();
    EXPECT_EQ(result.code, 1);
    for (const char* needle : {"VRXPrograms/...: the name would lead out", "VRXPrograms/back\\slash: the name holds",
                               "VRXPrograms/what?.txt: the name holds"})
        EXPECT_NE(result.err.find(needle), std::string::npos) << needle << "\n" << result.err;
}

TEST_F(BuildRefuses, NamesDifferingOnlyInLetterCase) {
    AddFile("VRXPrograms/Readme.txt", "1");
    AddFile("VRXPrograms/README.txt", "2");
    ExpectRefusal("only in letter case");
}

TEST_F(BuildRefuses, Links) {
    AddFile("VRXPrograms/a.dll", "x");
    fs::create_symlink(Payload() / "VRXPrograms/a.dll", Payload() / "VRXPrograms/link.dll");
    ExpectRefusal("VRXPrograms/link.dll: neither a regular file nor a folder");
}

TEST_F(BuildRefuses, InstallersBeyond32BitOffsets) {
    AddFile("VRXPrograms/a.dll", "x");
    {
        std::ofstream sparse(Payload() / "VRXPrograms/huge.bin", std::ios::binary);
    }
    fs::resize_file(Payload() / "VRXPrograms/huge.bin", 0xFFFFFF00ull);  // sparse: takes no disk space
    ExpectRefusal("4 GiB");
}

TEST_F(BuildRefuses, AnOutputInsideThePayloadOrOverTheStub) {
    AddFile("a", "x");
    RunResult inside = RunPacker({"build", "--stub", Stub().string(), "--payload", Payload().string(), "--out",
                            (Payload() / "x.exe").string()});
    EXPECT_EQ(inside.code, 1);
    EXPECT_NE(inside.err.find("inside the payload folder"), std::string::npos) << inside.err;
    const Bytes stub = ReadAll(Stub());
    RunResult overStub = RunPacker({"build", "--stub", Stub().string(), "--payload", Payload().string(), "--out",
                              Stub().string()});
    EXPECT_EQ(overStub.code, 1);
    EXPECT_EQ(ReadAll(Stub()), stub);
}

TEST_F(BuildRefuses, ListingEveryProblemAtOnce) {
    AddFile("VRXPrograms/a.dll", "");
    AddFile("VRXPrograms/b.dll", "");
    const RunResult result = Build();
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("a.dll"), std::string::npos);
    EXPECT_NE(result.err.find("b.dll"), std::string::npos);
}

}  // namespace
