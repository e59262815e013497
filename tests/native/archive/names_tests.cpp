// Entry names: separators, the names a reader refuses, and where each mode writes.
#include <gtest/gtest.h>

#include "walk_fixture.h"

namespace {

using payload::Destination;
using payload::ExtractMode;

TEST(EntryNames, AcceptsNamesThatStayBelowTheRoot) {
    const std::string longest(399, 'n');
    for (const std::string& name : {std::string("a"), std::string("VRXPrograms\\BeamDraft.exe"),
                                    std::string("VRXDriver\\amd64\\libusbK.dll"), std::string("a..b"),
                                    std::string("..a"), std::string("a."), std::string("VRXRes\\.hidden"),
                                    std::string("x\\y\\z\\w"), longest}) {
        EXPECT_TRUE(payload::IsSafeEntryName(name)) << name;
    }
}

TEST(EntryNames, RefusesNamesThatLeaveTheRoot) {
    for (const char* name : {"", "..", "..\\x", "a\\..\\x", "a\\..", "../x", "a/../x", "\\x", "/x",
                             "\\\\server\\share\\x", "//server/share/x", "C:x", "C:\\x", "c:/x", "a:b",
                             "a\\b:stream", "a\\.. \\x", "a\\...\\x", ".\\x"}) {
        EXPECT_FALSE(payload::IsSafeEntryName(name)) << name;
    }
}

TEST(EntryNames, AcceptsGbkCharactersEndingIn0x5C) {
    EXPECT_TRUE(payload::IsSafeEntryName("\x81\\\\f.txt"));  // folder of one such character
    EXPECT_TRUE(payload::IsSafeEntryName("VRXRes\\\x81\\"));   // file name of one
}

TEST(EntryNames, RefusesDotDotHiddenBehindALeadByte) {
    // Read as GBK, "\x81\\" is one character; read in another code page it is a separator.
    EXPECT_FALSE(payload::IsSafeEntryName("a\x81\\..\\x"));
}

TEST(EntryNames, NameFromHeaderStopsAtNulOrByte399) {
    archive_test::Bytes header = archive_test::Header("abc");
    header[10] = 'g';
    EXPECT_EQ(payload::NameFromHeader(reinterpret_cast<const char*>(header.data())), "abc");
    const std::string full(400, 'x');
    EXPECT_EQ(payload::NameFromHeader(full.data()), std::string(399, 'x'));
}

struct DestinationCase {
    const char* folder;
    Destination product;
    Destination driver;
};

TEST(Destinations, FollowTheFolderTableExactlyAndCaseSensitively) {
    const DestinationCase cases[] = {
        {"Contour", Destination::WindowsFolder, Destination::Skip},
        {"LXDriver", Destination::Skip, Destination::UnderRoot},
        {"VRXDriver", Destination::UnderRoot, Destination::UnderRoot},
        {"VRXDriver\\amd64", Destination::UnderRoot, Destination::UnderRoot},
        {"VRXDriver\\x86", Destination::UnderRoot, Destination::UnderRoot},
        {"", Destination::UnderRoot, Destination::Skip},
        {"VrxAi", Destination::UnderRoot, Destination::Skip},
        {"VRXPrograms", Destination::UnderRoot, Destination::Skip},
        // Other spellings and deeper folders are ordinary folders.
        {"contour", Destination::UnderRoot, Destination::Skip},
        {"LXDRIVER", Destination::UnderRoot, Destination::Skip},
        {"LXDriver\\sub", Destination::UnderRoot, Destination::Skip},
        {"vrxdriver", Destination::UnderRoot, Destination::Skip},
        {"VRXDriver\\AMD64", Destination::UnderRoot, Destination::Skip},
        {"VRXDriver\\arm64", Destination::UnderRoot, Destination::Skip},
        {"VRXDriver\\amd64\\sub", Destination::UnderRoot, Destination::Skip},
        {"Contour\\sub", Destination::UnderRoot, Destination::Skip},
    };
    for (const DestinationCase& c : cases) {
        EXPECT_EQ(payload::DestinationOf(ExtractMode::Product, c.folder), c.product) << c.folder;
        EXPECT_EQ(payload::DestinationOf(ExtractMode::Driver, c.folder), c.driver) << c.folder;
    }
}

}  // namespace
