// The production default: a program that extracts the archive appended to its
// own executable. (Signed installers: signed_sample_test.cpp.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/archive_builder.h"
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
    const std::vector<std::pair<std::string, std::string>> items = {
        {"VRXDriver\\usb.inf", test_archive::RandomBytes<std::string>(700, 1)},
        {"VRXPrograms\\BeamDraft.exe", test_archive::RandomBytes<std::string>(600000, 2)},
        {"LXDriver\\ser.sys", test_archive::RandomBytes<std::string>(300, 3)},
    };
    const std::string setup = scratch.Path() + "Setup.exe";
    const test_archive::Bytes stub(image->begin(), image->end());
    testing_support::WriteBytes(setup, test_archive::ArchiveBuilder::AfterStub(stub).AddAll(items).BuildText());

    ASSERT_EQ(RunProgram(setup, {"product", root}), 0u);
    EXPECT_EQ(FilesBelow(root), (std::vector<std::string>{"VRXDRIVER\\USB.INF", "VRXPROGRAMS\\BEAMDRAFT.EXE"}));
    EXPECT_TRUE(ReadBytes(root + "VRXPrograms\\BeamDraft.exe") == items[1].second);

    const std::string driverRoot = scratch.MakeFolder("system32");
    ASSERT_EQ(RunProgram(setup, {"driver", driverRoot}), 0u);
    EXPECT_EQ(FilesBelow(driverRoot), (std::vector<std::string>{"LXDRIVER\\SER.SYS", "VRXDRIVER\\USB.INF"}));
    EXPECT_TRUE(ReadBytes(driverRoot + "LXDriver\\ser.sys") == items[2].second);

    EXPECT_EQ(RunProgram(testing_support::OwnFolder() + "extract_self.exe", {"product", scratch.MakeFolder("bare")}), 1u)
        << "a program without an archive";
}

}  // namespace
