#pragma once
// The payload archive appended to Setup.exe: its layout, the checks a reader
// makes, and which entry each extraction mode writes where. Portable: the
// program, the packer and the tests all walk archives through this one code.
//
// Layout (all integers unsigned 32-bit little-endian, offsets absolute):
//   [executable image][entry 0]...[entry N-2][offset table: N x u32][N: u32]
//   entry = 400-byte NUL-terminated name header + at least 1 data byte.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/lead_byte.h"
#include "common/path_text.h"

namespace payload {

constexpr uint32_t kMaxOffsetCount = 600;   // N is 1..600, so at most 599 entries
constexpr uint32_t kNameHeaderSize = 400;
constexpr uint32_t kMaxNameBytes = 399;     // byte 399 of a header always reads as NUL
constexpr uint32_t kCopyBufferSize = 512000;

enum class ExtractMode { Product, Driver };
enum class Destination { Skip, UnderRoot, WindowsFolder };

// Entry names are ANSI texts in the code page of the system that packs them.
using text::LeadByteTest;
using text::NoLeadBytes;
using text::GbkLeadByte;

struct Entry {
    uint32_t index = 0;
    uint32_t start = 0;    // position of the name header
    uint32_t end = 0;      // position of the next entry, or of the offset table
    std::string name;      // as stored, up to the first NUL
    std::string folder;    // up to the last backslash; empty when there is none
    std::string fileName;  // after the last backslash
    uint64_t DataOffset() const { return uint64_t{start} + kNameHeaderSize; }
    uint32_t DataSize() const { return end - start - kNameHeaderSize; }
};

enum class WalkStatus {
    Complete,          // every entry passed and the visitor never stopped
    FileTooShort,      // fewer than 4 bytes
    BadCount,          // N is 0 or above 600
    TableTooShort,     // the file is shorter than its offset table
    BadEntry,          // an entry failed a check (see WalkResult::reason)
    StoppedByVisitor,  // the visitor returned false
};

struct WalkResult {
    WalkStatus status = WalkStatus::Complete;
    uint32_t entryIndex = 0;  // the entry at which the walk stopped
    std::string reason;       // for people: what was wrong
    bool Ok() const { return status == WalkStatus::Complete; }
};

// Where the archive ends in a file: the file's length, or the start of an
// Authenticode certificate table that ends exactly at the end of the file.
// head holds the first bytes of the file (4096 are enough for the PE headers).
uint64_t ArchiveEnd(const unsigned char* head, size_t headSize, uint64_t fileLength);

// The rules a reader applies to every entry, skipped or written.
bool IsSafeEntryName(const std::string& name);  // no "..", root, drive, UNC or colon
std::string NameFromHeader(const char* header);  // header holds kNameHeaderSize bytes
Destination DestinationOf(ExtractMode mode, const std::string& entryFolder);

// Walks the archive of the file that reader reads, checking the count, the
// table and every entry in table order, and hands each good entry to visit
// (which returns false to stop). The archive ends where ArchiveEnd says, so a
// signature appended by a signing tool is stepped over. Reader offers:
//   uint64_t Length();  void ReadAt(uint64_t position, void* buffer, size_t size);
// ReadAt throws the reader's own error type on an I/O fault; it propagates.
template <typename Reader, typename Visitor>
WalkResult WalkArchive(Reader& reader, LeadByteTest isLeadByte, Visitor&& visit);

}  // namespace payload

#include "payload/archive_walk.inl"
