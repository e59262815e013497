// Feeds arbitrary bytes, as a whole file, to the archive walk. Any read outside
// the file, and any entry handed out that breaks the reader's rules, is a crash.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "payload/archive_format.h"

namespace {

using fuzz::MemoryReader;
using fuzz::Require;

void CheckEntry(const payload::Entry& entry, uint64_t archiveEnd) {
    Require(entry.start < entry.end);
    Require(entry.end - entry.start > payload::kNameHeaderSize);
    Require(entry.end < archiveEnd);
    Require(entry.DataOffset() + entry.DataSize() == entry.end);
    Require(entry.name.size() <= payload::kMaxNameBytes);
    Require(entry.name.find('\0') == std::string::npos);
    Require(payload::IsSafeEntryName(entry.name));
    if (entry.folder.empty())
        Require(entry.fileName == entry.name);
    else
        Require(entry.folder + "\\" + entry.fileName == entry.name);
}

void WalkWith(const uint8_t* data, size_t size, payload::LeadByteTest isLeadByte) {
    const uint64_t archiveEnd = payload::ArchiveEnd(data, size < 4096 ? size : 4096, size);
    Require(archiveEnd <= size);
    // The first byte also picks an entry at which the visitor stops.
    const uint32_t stopAt = size > 0 ? data[0] : 0;
    uint32_t expectedIndex = 0;
    MemoryReader reader(data, size);
    const payload::WalkResult result = payload::WalkArchive(reader, isLeadByte, [&](const payload::Entry& entry) {
        Require(entry.index == expectedIndex++);
        CheckEntry(entry, archiveEnd);
        return entry.index != stopAt;
    });
    if (result.status == payload::WalkStatus::StoppedByVisitor) Require(result.entryIndex == stopAt);
    if (result.Ok()) Require(result.reason.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WalkWith(data, size, payload::NoLeadBytes);
    WalkWith(data, size, payload::GbkLeadByte);
    return 0;
}
