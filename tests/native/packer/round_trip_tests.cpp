// list, verify and extract on installers that build wrote, and on installers made by hand.
#include <gtest/gtest.h>

#include <cstdlib>

#include "packer_fixture.h"

namespace {

using namespace packer_test;

// An installer put together by the test, entries in the given order, names as given.
Bytes HandMadeInstaller(const Bytes& stub, const std::vector<std::pair<std::string, std::string>>& entries) {
    return test_archive::ArchiveBuilder::AfterStub(stub).AddAll(entries).Build();
}

class RoundTrip : public PackerTest {
protected:
    void AddShippedLayout() {
        AddFile("LXDriver/vrx246m.005", RandomBytes(1200, 1));
        AddFile("VRXDriver/libusbK.inf", "inf");
        AddFile("VRXDriver/amd64/libusbK.dll", RandomBytes(600000, 2));
        AddFile("VRXDriver/x86/libusbK.dll", RandomBytes(512000, 3));
        AddFile("VRXPrograms/BeamDraft.exe", RandomBytes(512001, 4));
        AddFile("Contour/contour.ini", "c");
        AddFile("readme.txt", "r");
    }
    fs::path Out() const { return Root() / "out"; }
};

TEST_F(RoundTrip, ListsVerifiesAndExtractsWhatItBuilt) {
    AddShippedLayout();
    ASSERT_EQ(Build().code, 0);

    const RunResult list = RunPacker({"list", Installer().string()});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out,
              "0\t\treadme.txt\t1\n"
              "1\tContour\tcontour.ini\t1\n"
              "2\tLXDriver\tvrx246m.005\t1200\n"
              "3\tVRXDriver\tlibusbK.inf\t3\n"
              "4\tVRXDriver\\amd64\tlibusbK.dll\t600000\n"
              "5\tVRXDriver\\x86\tlibusbK.dll\t512000\n"
              "6\tVRXPrograms\tBeamDraft.exe\t512001\n");

    const RunResult verify = RunPacker({"verify", Installer().string(), "--payload", Payload().string()});
    EXPECT_EQ(verify.code, 0) << verify.err;

    const RunResult extract = RunPacker({"extract", Installer().string(), "--out", Out().string()});
    ASSERT_EQ(extract.code, 0) << extract.err;
    size_t files = 0;
    for (const auto& item : fs::recursive_directory_iterator(Payload())) {
        if (!item.is_regular_file()) continue;
        ++files;
        const fs::path relative = fs::relative(item.path(), Payload());
        EXPECT_EQ(ReadAll(Out() / relative), ReadAll(item.path())) << relative;
    }
    EXPECT_EQ(files, 7u);
    size_t extracted = 0;
    for (const auto& item : fs::recursive_directory_iterator(Out())) extracted += item.is_regular_file();
    EXPECT_EQ(extracted, 7u);
}

TEST_F(RoundTrip, VerifyFindsEveryDifferenceFromThePayload) {
    AddShippedLayout();
    ASSERT_EQ(Build().code, 0);
    const auto verify = [&] { return RunPacker({"verify", Installer().string(), "--payload", Payload().string()}); };

    AddFile("VRXPrograms/BeamDraft.exe", RandomBytes(512001, 99));  // same size, other bytes
    RunResult result = verify();
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("contents differ from VRXPrograms/BeamDraft.exe"), std::string::npos) << result.err;

    AddFile("VRXPrograms/BeamDraft.exe", RandomBytes(512001, 4));
    AddFile("VRXDriver/libusbK.inf", "longer");
    result = verify();
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("holds 3 bytes, the file 6"), std::string::npos) << result.err;

    AddFile("VRXDriver/libusbK.inf", "inf");
    AddFile("VRXPrograms/extra.dll", "e");
    fs::remove(Payload() / "readme.txt");
    result = verify();
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("VRXPrograms/extra.dll: in the payload folder but not in the archive"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("\"readme.txt\": no such file in the payload folder"), std::string::npos) << result.err;

    fs::remove(Payload() / "VRXPrograms/extra.dll");
    AddFile("readme.txt", "r");
    EXPECT_EQ(verify().code, 0);
}

TEST_F(RoundTrip, VerifyAppliesTheReadersChecks) {
    AddFile("VRXPrograms/a.dll", "abc");
    AddFile("VRXPrograms/b.dll", "def");
    ASSERT_EQ(Build().code, 0);
    Bytes file = ReadAll(Installer());
    // Make entry 0 end where entry 1's header begins + 400: entry 1 keeps no data.
    const size_t table = file.size() - 4 - 4 * 3;
    const uint32_t second = Le32(file, table + 4);
    const uint32_t third = Le32(file, table + 8);
    for (int i = 0; i < 4; ++i) file[table + 4 + i] = static_cast<unsigned char>((third - 400) >> (8 * i));
    ASSERT_LT(second, third - 400);
    WriteAll(Installer(), file);
    const RunResult result = RunPacker({"verify", Installer().string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("entry 1 holds no data"), std::string::npos) << result.err;

    WriteAll(Installer(), ReadAll(Stub()));
    EXPECT_EQ(RunPacker({"verify", Installer().string()}).code, 1);
}

TEST_F(RoundTrip, VerifyFindsSubFoldersListedBeforeTheirParent) {
    WriteAll(Installer(), HandMadeInstaller(ReadAll(Stub()), {{"VRXDriver\\amd64\\a.sys", "a"},
                                                               {"VRXDriver\\b.inf", "b"}}));
    const RunResult result = RunPacker({"verify", Installer().string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("entry 0 \"VRXDriver\\amd64\\a.sys\""), std::string::npos) << result.err;
}

TEST_F(RoundTrip, ExtractRefusesNamesThatLeaveTheFolderBeforeWritingAnything) {
    WriteAll(Installer(), HandMadeInstaller(ReadAll(Stub()), {{"VRXPrograms\\a.dll", "a"},
                                                               {"..\\escaped.txt", "evil"}}));
    const RunResult result = RunPacker({"extract", Installer().string(), "--out", Out().string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("unsafe name"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(Root() / "escaped.txt"));
    EXPECT_FALSE(fs::exists(Out() / "VRXPrograms/a.dll"));
}

TEST_F(RoundTrip, ExtractConvertsNamesFromTheCodePage) {
    const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文
    const std::string joukai = "\xE4\xB9\x97";              // 乗: its GBK form ends in 0x5C
    AddFile("VRXLanguage/" + chinese + ".ini", "zh");
    AddFile("VRXLanguage/" + joukai + "/x.ini", "jk");
    ASSERT_EQ(Build({"--codepage", "936"}).code, 0);

    EXPECT_EQ(RunPacker({"list", Installer().string(), "--codepage", "936"}).out,
              "0\tVRXLanguage\t" + chinese + ".ini\t2\n1\tVRXLanguage\\" + joukai + "\tx.ini\t2\n");
    EXPECT_EQ(RunPacker({"verify", Installer().string(), "--payload", Payload().string(), "--codepage", "936"}).code, 0);

    const RunResult withoutCodePage = RunPacker({"extract", Installer().string(), "--out", Out().string()});
    EXPECT_EQ(withoutCodePage.code, 1);
    EXPECT_NE(withoutCodePage.err.find("--codepage"), std::string::npos);
    ASSERT_EQ(RunPacker({"extract", Installer().string(), "--out", Out().string(), "--codepage", "936"}).code, 0);
    EXPECT_EQ(ReadAll(Out() / "VRXLanguage" / (chinese + ".ini")), Text("zh"));
    EXPECT_EQ(ReadAll(Out() / "VRXLanguage" / joukai / "x.ini"), Text("jk"));
}

TEST_F(RoundTrip, ReadsInstallersThatASigningToolExtended) {
    WriteAll(Stub(), test_archive::PeHead());
    AddFile("VRXPrograms/a.dll", RandomBytes(5000, 8));
    AddFile("VRXPrograms/b.dll", "b");
    ASSERT_EQ(Build().code, 0);
    WriteAll(Installer(), test_archive::Signed(ReadAll(Installer()), 1560));

    EXPECT_EQ(RunPacker({"list", Installer().string()}).out, "0\tVRXPrograms\ta.dll\t5000\n1\tVRXPrograms\tb.dll\t1\n");
    // The stub in the installer now differs from the stub file; the payload does not.
    EXPECT_EQ(RunPacker({"verify", Installer().string(), "--payload", Payload().string()}).code, 0);
    ASSERT_EQ(RunPacker({"extract", Installer().string(), "--out", Out().string()}).code, 0);
    EXPECT_EQ(ReadAll(Out() / "VRXPrograms/a.dll"), ReadAll(Payload() / "VRXPrograms/a.dll"));
}

bool HaveProgram(const std::string& name) { return std::system(("command -v " + name + " >/dev/null").c_str()) == 0; }

TEST_F(RoundTrip, ReadsAnInstallerSignedByOsslsigncode) {
    if (!HaveProgram("osslsigncode") || !HaveProgram("openssl")) GTEST_SKIP() << "osslsigncode or openssl missing";
    WriteAll(Stub(), test_archive::PeHead());
    AddFile("VRXPrograms/a.dll", RandomBytes(5000, 9));
    ASSERT_EQ(Build().code, 0);
    const std::string key = (Root() / "key.pem").string(), cert = (Root() / "cert.pem").string();
    const fs::path signedInstaller = Root() / "signed.exe";
    ASSERT_EQ(std::system(("openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=setuppack-test -days 1 -keyout '" +
                           key + "' -out '" + cert + "' >/dev/null 2>&1")
                              .c_str()),
              0);
    ASSERT_EQ(std::system(("osslsigncode sign -certs '" + cert + "' -key '" + key + "' -in '" + Installer().string() +
                           "' -out '" + signedInstaller.string() + "' >/dev/null 2>&1")
                              .c_str()),
              0);
    ASSERT_GT(fs::file_size(signedInstaller), fs::file_size(Installer()));

    EXPECT_EQ(RunPacker({"list", signedInstaller.string()}).out, "0\tVRXPrograms\ta.dll\t5000\n");
    EXPECT_EQ(RunPacker({"verify", signedInstaller.string(), "--payload", Payload().string()}).code, 0);
}

TEST(CommandLine, HelpsForEveryCommandAndRejectsWrongUsage) {
    EXPECT_EQ(RunPacker({"--help"}).code, 0);
    for (const char* command : {"build", "list", "verify", "extract"}) {
        const RunResult help = RunPacker({command, "--help"});
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("Usage: setuppack ") + command, 0), 0u) << help.out;
    }
    EXPECT_NE(RunPacker({"list", "--help"}).out.find("INDEX  FOLDER  NAME  SIZE"), std::string::npos);

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{}, {"pack"}, {"list"}, {"list", "a", "b"}, {"extract", "a"},
          {"build", "--stub", "s", "--payload", "p"}, {"verify", "a", "--payload"}, {"list", "a", "--bogus", "1"},
          {"list", "a", "--codepage", "x"}, {"list", "a", "--codepage", "936", "--codepage", "936"}}) {
        EXPECT_EQ(RunPacker(wrong).code, 2) << (wrong.empty() ? "" : wrong[0]);
    }
    const RunResult missing = RunPacker({"list", "/nonexistent/installer.exe"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("/nonexistent/installer.exe"), std::string::npos);
}

}  // namespace
