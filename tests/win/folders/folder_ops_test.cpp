// The folder operations against real files under Wine: what is copied,
// rewritten or deleted, and what the platform refuses.
#include "payload/folder_ops_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "support/temp_folder.h"
#include "win/unique_resource_win32.h"

namespace {

using testing_support::AddAttributes;
using testing_support::Attributes;
using testing_support::Exists;
using testing_support::LastWriteTime;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::SetLastWriteTime;
using testing_support::WriteBytes;

std::string EveryByteValue() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes;
}

// Above the 512000-byte copy buffer of the extraction, with a varying pattern.
std::string LargeContents() {
    std::string bytes(700001, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
    return bytes;
}

std::string WithoutBackslash(const std::string& folder) { return folder.substr(0, folder.size() - 1); }

FILETIME YearTwoThousandOne() {
    SYSTEMTIME when{};
    when.wYear = 2001;
    when.wMonth = 5;
    when.wDay = 17;
    when.wHour = 10;
    FILETIME time{};
    ::SystemTimeToFileTime(&when, &time);
    return time;
}

ULONGLONG Ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

using CopyOperation = std::function<void(const std::string&, const std::string&)>;

struct NamedCopy {
    const char* name;
    CopyOperation run;
};

const NamedCopy kCopyOperations[] = {
    {"CopyFolderFiles", payload::CopyFolderFiles},
    {"RewriteFolderFiles", payload::RewriteFolderFiles},
};

class FolderOps : public ::testing::Test {
protected:
    TempFolder scratch;
    std::string source = scratch.MakeFolder("source");
};

TEST_F(FolderOps, BothCopiesGiveIdenticalFilesAndLeaveSubFoldersBehind) {
    const std::string large = LargeContents();
    WriteBytes(source + "notes.txt", "line one\r\nline two\n");
    WriteBytes(source + "table.bin", EveryByteValue());
    WriteBytes(source + "large.dat", large);
    WriteBytes(source + "empty.cfg", "");
    WriteBytes(source + "NoExtension", "x");
    WriteBytes(source + "hidden.ini", "[Hidden]\r\n");
    AddAttributes(source + "hidden.ini", FILE_ATTRIBUTE_HIDDEN);
    const std::string inner = scratch.MakeFolder("source\\inner");
    WriteBytes(inner + "deep.txt", "not copied");

    for (const NamedCopy& copy : kCopyOperations) {
        SCOPED_TRACE(copy.name);
        const std::string destination = scratch.MakeFolder(std::string("to-") + copy.name);
        copy.run(source, destination);

        EXPECT_EQ(ReadBytes(destination + "notes.txt"), "line one\r\nline two\n");
        EXPECT_EQ(ReadBytes(destination + "table.bin"), EveryByteValue());
        EXPECT_EQ(ReadBytes(destination + "large.dat"), large);
        EXPECT_EQ(ReadBytes(destination + "empty.cfg"), "");
        EXPECT_EQ(ReadBytes(destination + "NoExtension"), "x");
        EXPECT_EQ(ReadBytes(destination + "hidden.ini"), "[Hidden]\r\n");
        EXPECT_FALSE(Exists(destination + "inner")) << "a sub-folder must not be copied";
        EXPECT_FALSE(Exists(destination + "deep.txt"));
    }
    EXPECT_EQ(ReadBytes(inner + "deep.txt"), "not copied");
}

TEST_F(FolderOps, CopyKeepsAttributesAndTimeWhileRewriteMakesANewFile) {
    WriteBytes(source + "hidden.ini", "h");
    AddAttributes(source + "hidden.ini", FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(source + "locked.cfg", "read only");
    SetLastWriteTime(source + "locked.cfg", YearTwoThousandOne());
    AddAttributes(source + "locked.cfg", FILE_ATTRIBUTE_READONLY);
    const std::string copied = scratch.MakeFolder("copied");
    const std::string rewritten = scratch.MakeFolder("rewritten");

    payload::CopyFolderFiles(source, copied);
    payload::RewriteFolderFiles(source, rewritten);

    EXPECT_TRUE(Attributes(copied + "hidden.ini") & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(Attributes(copied + "locked.cfg") & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Ticks(LastWriteTime(copied + "locked.cfg")), Ticks(YearTwoThousandOne()));

    EXPECT_FALSE(Attributes(rewritten + "hidden.ini") & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(Attributes(rewritten + "locked.cfg") & FILE_ATTRIBUTE_READONLY);
    EXPECT_GT(Ticks(LastWriteTime(rewritten + "locked.cfg")), Ticks(YearTwoThousandOne()));
    EXPECT_EQ(ReadBytes(rewritten + "locked.cfg"), "read only");
    // A writable copy can be replaced again by the next installation.
    WriteBytes(rewritten + "locked.cfg", "changed");
}

TEST_F(FolderOps, BothCopiesReplaceExistingFilesButNotReadOnlyOnes) {
    WriteBytes(source + "SoftCfg.ini", "new");
    WriteBytes(source + "Keep.ini", "new");
    for (const NamedCopy& copy : kCopyOperations) {
        SCOPED_TRACE(copy.name);
        const std::string destination = scratch.MakeFolder(std::string("to-") + copy.name);
        WriteBytes(destination + "SoftCfg.ini", "an older and much longer file");
        WriteBytes(destination + "Keep.ini", "old");
        AddAttributes(destination + "Keep.ini", FILE_ATTRIBUTE_READONLY);

        copy.run(source, destination);

        EXPECT_EQ(ReadBytes(destination + "SoftCfg.ini"), "new");
        EXPECT_EQ(ReadBytes(destination + "Keep.ini"), "old");
    }
}

TEST_F(FolderOps, TrailingBackslashIsOptional) {
    WriteBytes(source + "a.txt", "a");
    WriteBytes(source + "b.txt", "b");
    for (bool withBackslash : {true, false}) {
        SCOPED_TRACE(withBackslash ? "with backslash" : "without backslash");
        auto form = [&](const std::string& folder) { return withBackslash ? folder : WithoutBackslash(folder); };
        for (const NamedCopy& copy : kCopyOperations) {
            SCOPED_TRACE(copy.name);
            const std::string destination =
                scratch.MakeFolder(std::string(copy.name) + (withBackslash ? "-with" : "-without"));
            copy.run(form(source), form(destination));
            EXPECT_EQ(ReadBytes(destination + "a.txt"), "a");
            EXPECT_EQ(ReadBytes(destination + "b.txt"), "b");

            payload::EmptyFolder(form(destination));
            EXPECT_FALSE(Exists(destination + "a.txt"));
            EXPECT_FALSE(Exists(destination + "b.txt"));
            EXPECT_TRUE(::RemoveDirectoryA(destination.c_str())) << "the emptied folder holds nothing";
        }
    }
}

TEST_F(FolderOps, EmptyFolderDeletesFilesOnlyAndLeavesReadOnlyOnes) {
    WriteBytes(source + "plain.dll", "p");
    WriteBytes(source + "empty.bmp", "");
    WriteBytes(source + "hidden.sys", "h");
    AddAttributes(source + "hidden.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const std::string inner = scratch.MakeFolder("source\\inner");
    WriteBytes(inner + "deep.txt", "d");

    payload::EmptyFolder(source);

    EXPECT_FALSE(Exists(source + "plain.dll"));
    EXPECT_FALSE(Exists(source + "empty.bmp"));
    EXPECT_FALSE(Exists(source + "hidden.sys"));
    EXPECT_EQ(ReadBytes(inner + "deep.txt"), "d");
    EXPECT_FALSE(::RemoveDirectoryA(source.c_str())) << "the sub-folder keeps the folder";

    testing_support::RemoveTree(inner);
    WriteBytes(source + "readonly.gms", "r");
    AddAttributes(source + "readonly.gms", FILE_ATTRIBUTE_READONLY);
    WriteBytes(source + "other.gms", "o");
    payload::EmptyFolder(source);
    EXPECT_EQ(ReadBytes(source + "readonly.gms"), "r");
    EXPECT_FALSE(Exists(source + "other.gms"));
}

TEST_F(FolderOps, MissingOrEmptyPathsDoNothing) {
    // An empty path must reach neither the current folder nor the root of the
    // current drive (what "" plus a backslash would name).
    const std::string current = scratch.MakeFolder("current");
    WriteBytes(current + "here.txt", "h");
    const std::string destination = scratch.MakeFolder("destination");
    WriteBytes(source + "Unique-FolderOps-Name.txt", "u");
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryA(current.c_str()));
    const std::string rootFile = "\\Unique-FolderOps-Root.txt";
    WriteBytes(rootFile, "root");

    payload::EmptyFolder("");
    payload::CopyFolderFiles("", destination);
    payload::RewriteFolderFiles("", destination);
    payload::CopyFolderFiles(source, "");
    payload::RewriteFolderFiles(source, "");

    const auto rootAfter = ReadBytes(rootFile);
    const bool copiedToRoot = Exists("\\Unique-FolderOps-Name.txt");
    ::DeleteFileA(rootFile.c_str());
    ::DeleteFileA("\\Unique-FolderOps-Name.txt");
    ::SetCurrentDirectoryA(previous);

    EXPECT_EQ(rootAfter, "root");
    EXPECT_FALSE(copiedToRoot);
    EXPECT_EQ(ReadBytes(current + "here.txt"), "h");
    EXPECT_FALSE(Exists(destination + "here.txt"));
    EXPECT_FALSE(Exists(destination + "Unique-FolderOps-Root.txt"));

    const std::string missing = scratch.Path() + "missing\\";
    payload::EmptyFolder(missing);
    payload::CopyFolderFiles(missing, destination);
    payload::RewriteFolderFiles(missing, destination);
    payload::CopyFolderFiles(source, missing);
    payload::RewriteFolderFiles(source, missing);
    EXPECT_FALSE(Exists(missing));
    EXPECT_EQ(ReadBytes(source + "Unique-FolderOps-Name.txt"), "u");
}

TEST_F(FolderOps, FileHeldOpenByAnotherProgram) {
    WriteBytes(source + "BeamDraft.exe", "running");
    WriteBytes(source + "other.dll", "free");
    // Hold the file the way a running program does: no sharing at all.
    win::UniqueFile held(::CreateFileA((source + "BeamDraft.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    // A program that lets others read its file still keeps an exclusive open out.
    WriteBytes(source + "Shared.dll", "shared");
    win::UniqueFile heldShared(::CreateFileA((source + "Shared.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(heldShared);

    const std::string rewritten = scratch.MakeFolder("rewritten");
    payload::RewriteFolderFiles(source, rewritten);
    EXPECT_FALSE(Exists(rewritten + "BeamDraft.exe")) << "a held source is passed over";
    EXPECT_FALSE(Exists(rewritten + "Shared.dll")) << "the source is opened exclusively";
    EXPECT_EQ(ReadBytes(rewritten + "other.dll"), "free");

    // The platform copy decides about the held files; the walk goes on either way.
    const std::string copied = scratch.MakeFolder("copied");
    payload::CopyFolderFiles(source, copied);
    EXPECT_EQ(ReadBytes(copied + "other.dll"), "free");

    payload::EmptyFolder(source);
    EXPECT_FALSE(Exists(source + "other.dll"));
    held.reset();
    EXPECT_EQ(ReadBytes(source + "BeamDraft.exe"), "running") << "a held file cannot be deleted";
}

TEST_F(FolderOps, RewriteSkipsADestinationHeldOpen) {
    WriteBytes(source + "a.ini", "new a");
    WriteBytes(source + "b.ini", "new b");
    const std::string destination = scratch.MakeFolder("destination");
    WriteBytes(destination + "a.ini", "old a");
    win::UniqueFile held(::CreateFileA((destination + "a.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);

    payload::RewriteFolderFiles(source, destination);
    held.reset();

    EXPECT_EQ(ReadBytes(destination + "a.ini"), "old a");
    EXPECT_EQ(ReadBytes(destination + "b.ini"), "new b");
    // The source was closed again although its destination was refused.
    EXPECT_TRUE(::DeleteFileA((source + "a.ini").c_str()));
}

}  // namespace
