// The production default: a program that extracts the archive appended to its
// own executable, plain and after Authenticode signing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extract/archive_bytes.h"
#include "support/temp_folder.h"
#include "win/unique_resource_win32.h"

namespace {

using testing_support::FilesBelow;
using testing_support::ReadBytes;

std::string Quoted(const std::string& argument) {
    // A backslash before the closing quote would escape it.
    const bool endsInBackslash = !argument.empty() && argument.back() == '\\';
    return "\"" + argument + (endsInBackslash ? "\\" : "") + "\"";
}

// Runs program with its arguments and returns its exit code.
DWORD RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::string commandLine = Quoted(program);
    for (const std::string& argument : arguments) commandLine += " " + Quoted(argument);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        throw std::runtime_error("cannot start " + program);
    win::UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 99);
        throw std::runtime_error(program + " did not end");
    }
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    return exitCode;
}

class SelfExtractTest : public ::testing::Test {
protected:
    testing_support::TempFolder scratch;
    const std::string root = scratch.MakeFolder("root");
};

TEST_F(SelfExtractTest, ExtractsTheArchiveAppendedToItsOwnFile) {
    const auto image = ReadBytes(testing_support::OwnFolder() + "extract_self.exe");
    ASSERT_TRUE(image.has_value());
    const std::vector<extract_test::Item> items = {
        extract_test::EntryOf("VRXDriver\\usb.inf", extract_test::PatternBytes(700, 1)),
        extract_test::EntryOf("VRXPrograms\\BeamDraft.exe", extract_test::PatternBytes(600000, 2)),
        extract_test::EntryOf("LXDriver\\ser.sys", extract_test::PatternBytes(300, 3)),
    };
    const std::string setup = scratch.Path() + "Setup.exe";
    testing_support::WriteBytes(setup, *image + extract_test::ArchiveOf(items, static_cast<uint32_t>(image->size())));

    ASSERT_EQ(RunProgram(setup, {"product", root}), 0u);
    EXPECT_EQ(FilesBelow(root), (std::vector<std::string>{"VRXDRIVER\\USB.INF", "VRXPROGRAMS\\BEAMDRAFT.EXE"}));
    EXPECT_TRUE(ReadBytes(root + "VRXPrograms\\BeamDraft.exe") == items[1].data);

    const std::string driverRoot = scratch.MakeFolder("system32");
    ASSERT_EQ(RunProgram(setup, {"driver", driverRoot}), 0u);
    EXPECT_EQ(FilesBelow(driverRoot), (std::vector<std::string>{"LXDRIVER\\SER.SYS", "VRXDRIVER\\USB.INF"}));
    EXPECT_TRUE(ReadBytes(driverRoot + "LXDriver\\ser.sys") == items[2].data);

    EXPECT_EQ(RunProgram(testing_support::OwnFolder() + "extract_self.exe", {"product", scratch.MakeFolder("bare")}), 1u)
        << "a program without an archive";
}

// Made at build time: an installer whose length is a multiple of 8, signed
// with a throwaway certificate, and the files its archive holds.
TEST_F(SelfExtractTest, SignedInstallerStillExtractsEveryEntry) {
    const std::string signedDir = testing_support::OwnFolder() + "extract_signed\\";
    const std::string installer = signedDir + "Setup_signed.exe";
    const auto signedBytes = ReadBytes(installer);
    const auto unsignedBytes = ReadBytes(signedDir + "Setup_unsigned.exe");
    ASSERT_TRUE(signedBytes && unsignedBytes) << "build the extract_signed_installer target";
    ASSERT_GT(signedBytes->size(), unsignedBytes->size()) << "the signature follows the archive";

    ASSERT_EQ(RunProgram(installer, {"product", root}), 0u);
    const auto expected = FilesBelow(signedDir + "files\\");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(FilesBelow(root), expected);
    for (const std::string& file : expected)
        EXPECT_TRUE(ReadBytes(root + file) == ReadBytes(signedDir + "files\\" + file)) << file;
}

}  // namespace
