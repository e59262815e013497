// The reader's walk over count, offset table and entries.
#include <gtest/gtest.h>

#include "walk_fixture.h"

namespace {

using namespace archive_test;
using payload::WalkStatus;

size_t TablePosition(const Bytes& bytes) {
    return bytes.size() - 4 - 4 * size_t{Le32(bytes, bytes.size() - 4)};
}

void SetOffset(Bytes& bytes, size_t index, uint32_t value) { PutLe32(bytes, TablePosition(bytes) + 4 * index, value); }

TEST(WalkLayout, ReadsAnArchiveWrittenByteByByte) {
    Bytes file = {'S', 'T', 'U', 'B'};
    const std::string firstName = "VRXDriver\\amd64\\a.sys";
    file.insert(file.end(), firstName.begin(), firstName.end());
    file.resize(4 + 400, 0);
    file.insert(file.end(), {'a', 'b', 'c'});  // entry 0: 4..406
    file.insert(file.end(), {'t', 'o', 'p'});
    file.resize(407 + 400, 0);
    file.push_back('Z');                       // entry 1: 407..807
    for (uint32_t value : {4u, 407u, 808u, 3u}) AppendLe32(file, value);
    ASSERT_EQ(file.size(), 824u);

    const Walked walked = Walk(file);
    ASSERT_TRUE(walked.result.Ok()) << walked.result.reason;
    ASSERT_EQ(walked.entries.size(), 2u);
    const payload::Entry& first = walked.entries[0];
    EXPECT_EQ(first.index, 0u);
    EXPECT_EQ(first.start, 4u);
    EXPECT_EQ(first.end, 407u);
    EXPECT_EQ(first.name, firstName);
    EXPECT_EQ(first.folder, "VRXDriver\\amd64");
    EXPECT_EQ(first.fileName, "a.sys");
    EXPECT_EQ(first.DataOffset(), 404u);
    EXPECT_EQ(first.DataSize(), 3u);
    EXPECT_EQ(std::string(file.begin() + 404, file.begin() + 407), "abc");
    const payload::Entry& second = walked.entries[1];
    EXPECT_EQ(second.index, 1u);
    EXPECT_EQ(second.name, "top");
    EXPECT_EQ(second.folder, "");
    EXPECT_EQ(second.fileName, "top");
    EXPECT_EQ(second.DataSize(), 1u);
    EXPECT_EQ(file[second.DataOffset()], 'Z');
}

TEST(WalkCount, RejectsFilesTooShortForACount) {
    for (size_t size : {0u, 1u, 3u}) {
        EXPECT_EQ(Walk(Bytes(size, 1)).result.status, WalkStatus::FileTooShort) << size;
    }
}

TEST(WalkCount, AcceptsOneToSixHundredOffsets) {
    Bytes zero = ArchiveBuilder().Build();
    PutLe32(zero, zero.size() - 4, 0);
    EXPECT_EQ(Walk(zero).result.status, WalkStatus::BadCount);

    const Walked empty = Walk(ArchiveBuilder().Build());
    EXPECT_TRUE(empty.result.Ok());
    EXPECT_TRUE(empty.entries.empty());

    ArchiveBuilder full;
    for (int i = 0; i < 599; ++i) full.Add("VRXPrograms\\f" + std::to_string(i), "x");
    const Walked walkedFull = Walk(full.Build());
    EXPECT_TRUE(walkedFull.result.Ok()) << walkedFull.result.reason;
    EXPECT_EQ(walkedFull.entries.size(), 599u);
    EXPECT_EQ(walkedFull.entries.back().name, "VRXPrograms\\f598");

    ArchiveBuilder tooMany;
    for (int i = 0; i < 600; ++i) tooMany.Add("f" + std::to_string(i), "x");
    const Walked walkedTooMany = Walk(tooMany.Build());
    EXPECT_EQ(walkedTooMany.result.status, WalkStatus::BadCount);
    EXPECT_TRUE(walkedTooMany.entries.empty());
}

TEST(WalkCount, RejectsCountsWhoseTableWouldWrapOrOutgrowTheFile) {
    Bytes huge = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(Walk(huge).result.status, WalkStatus::BadCount);

    Bytes shortTable = {0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0};  // 5 offsets need 24 bytes
    EXPECT_EQ(Walk(shortTable).result.status, WalkStatus::TableTooShort);
    Bytes exactTable = {0, 0, 0, 0, 1, 0, 0, 0};  // N = 1 in exactly 8 bytes
    EXPECT_TRUE(Walk(exactTable).result.Ok());
}

TEST(WalkEntries, AcceptsOneDataByteAndRejectsNoneAfterVisitingEarlierEntries) {
    const Bytes bytes = ArchiveBuilder().Add("a", "1").Add("b", "").Add("c", "3").Build();
    const Walked walked = Walk(bytes);
    EXPECT_EQ(walked.result.status, WalkStatus::BadEntry);
    EXPECT_EQ(walked.result.entryIndex, 1u);
    ASSERT_EQ(walked.entries.size(), 1u);
    EXPECT_EQ(walked.entries[0].DataSize(), 1u);
}

TEST(WalkEntries, RejectsSpansThatRunBackwardsOrBeyondTheFile) {
    Bytes backwards = ArchiveBuilder().Add("a", "one").Add("b", "two").Build();
    SetOffset(backwards, 1, 10);  // entry 0 now ends before it starts
    Walked walked = Walk(backwards);
    EXPECT_EQ(walked.result.status, WalkStatus::BadEntry);
    EXPECT_EQ(walked.result.entryIndex, 0u);

    Bytes beyond = ArchiveBuilder().Add("a", "one").Build();
    SetOffset(beyond, 1, static_cast<uint32_t>(beyond.size()));
    walked = Walk(beyond);
    EXPECT_EQ(walked.result.status, WalkStatus::BadEntry);
    EXPECT_EQ(walked.result.entryIndex, 0u);

    Bytes wrapped = ArchiveBuilder().Add("a", "one").Build();
    SetOffset(wrapped, 0, 0xFFFFFFF0u);  // end - start would wrap around in 32 bits
    EXPECT_EQ(Walk(wrapped).result.status, WalkStatus::BadEntry);
}

TEST(WalkEntries, RejectsAnEntryRunningIntoTheOffsetTable) {
    Bytes bytes = ArchiveBuilder().Add("a", "one").Add("b", "two").Build();
    const size_t table = TablePosition(bytes);
    SetOffset(bytes, 2, static_cast<uint32_t>(table + 4));  // below L, but inside the table
    const Walked walked = Walk(bytes);
    EXPECT_EQ(walked.result.status, WalkStatus::BadEntry);
    EXPECT_EQ(walked.result.entryIndex, 1u);
    EXPECT_EQ(walked.entries.size(), 1u);

    Bytes touching = ArchiveBuilder().Add("a", "one").Build();
    EXPECT_TRUE(Walk(touching).result.Ok());  // ending exactly at the table is the norm
}

TEST(WalkEntries, RejectsAnUnsafeNameAtThatEntry) {
    const Bytes bytes = ArchiveBuilder().Add("VRXPrograms\\a.dll", "1").Add("..\\..\\evil.dll", "2").Build();
    const Walked walked = Walk(bytes);
    EXPECT_EQ(walked.result.status, WalkStatus::BadEntry);
    EXPECT_EQ(walked.result.entryIndex, 1u);
    EXPECT_EQ(walked.entries.size(), 1u);
    EXPECT_NE(walked.result.reason.find("evil"), std::string::npos);

    const Walked nameless = Walk(ArchiveBuilder().AddRaw(Bytes(400, 0), {1}).Build());
    EXPECT_EQ(nameless.result.status, WalkStatus::BadEntry);
}

TEST(WalkEntries, TakesNamesFromTheHeaderUpToTheFirstNulOrByte399) {
    Bytes noNul(400, 'n');
    Bytes garbage = Header("VRXPrograms\\short.dll");
    const std::string leftover = "VRXPrograms\\an older and much longer name.dll";
    std::memcpy(garbage.data() + 22, leftover.data(), leftover.size());
    const Walked walked = Walk(ArchiveBuilder().AddRaw(noNul, {1}).AddRaw(garbage, {2}).Build());
    ASSERT_TRUE(walked.result.Ok()) << walked.result.reason;
    EXPECT_EQ(walked.entries[0].name, std::string(399, 'n'));
    EXPECT_EQ(walked.entries[1].name, "VRXPrograms\\short.dll");
    EXPECT_EQ(walked.entries[1].fileName, "short.dll");
}

TEST(WalkEntries, FindsTheFolderWithTheCodePagesLeadBytes) {
    const std::string name = "VRX\\\x81\x5C" "f";  // 0x81 0x5C is one GBK character
    const Bytes bytes = ArchiveBuilder().Add(name, "x").Build();
    const Walked gbk = Walk(bytes, payload::GbkLeadByte);
    ASSERT_TRUE(gbk.result.Ok());
    EXPECT_EQ(gbk.entries[0].folder, "VRX");
    EXPECT_EQ(gbk.entries[0].fileName, "\x81\x5C" "f");
    const Walked plain = Walk(bytes, payload::NoLeadBytes);
    ASSERT_TRUE(plain.result.Ok());
    EXPECT_EQ(plain.entries[0].folder, "VRX\\\x81");
}

TEST(WalkEntries, StopsWhenTheVisitorSaysSo) {
    MemoryReader reader(ArchiveBuilder().Add("a", "1").Add("b", "2").Add("c", "3").Build());
    int visits = 0;
    const payload::WalkResult result =
        payload::WalkArchive(reader, payload::NoLeadBytes, [&](const payload::Entry& entry) {
            ++visits;
            return entry.name != "b";
        });
    EXPECT_EQ(result.status, WalkStatus::StoppedByVisitor);
    EXPECT_EQ(result.entryIndex, 1u);
    EXPECT_EQ(visits, 2);
}

TEST(WalkEntries, PassesReaderErrorsThrough) {
    struct FailingReader {
        uint64_t Length() { return 1000; }
        void ReadAt(uint64_t, void*, size_t) { throw std::runtime_error("device error"); }
    } reader;
    EXPECT_THROW(payload::WalkArchive(reader, payload::NoLeadBytes, [](const payload::Entry&) { return true; }),
                 std::runtime_error);
}

}  // namespace
