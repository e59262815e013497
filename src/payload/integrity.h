#pragma once
// A checksum of the archive, kept in a block that Setup.exe reserves inside its
// own image, so that a damaged or cut-off download is refused before anything
// is written. The block lies in the image, which an Authenticode signature
// covers, and the signature goes after the archive, so signing keeps it valid;
// the archive's format does not change.
//
// Block (32 bytes, integers unsigned little-endian):
//   marker (16 bytes) | archive length: u64 | CRC-32 of the archive: u32 | 0: u32
// The archive is everything after the stub up to the archive's end (ArchiveEnd):
// filler, entries, offset table and count. A length of 0 stores nothing: such
// an installer is not checked. CRC-32 is the one of zip, gzip and PNG
// (reflected polynomial 0xEDB88320): it finds every error burst of up to 32 bits
// and all but one in 2^32 of the rest, which is what accidental damage needs;
// deliberate change is the signature's business. Cutting the file off changes
// where the archive ends, so the range summed no longer matches either.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "payload/archive_format.h"

namespace payload {

constexpr size_t kIntegrityMarkerSize = 16;
constexpr size_t kIntegrityBlockSize = 32;

struct IntegrityBlock {
    uint64_t archiveLength = 0;  // 0: nothing stored
    uint32_t crc = 0;
    bool Stored() const { return archiveLength != 0; }
};

// Continues a CRC-32 over more bytes; start with crc 0.
uint32_t Crc32(uint32_t crc, const void* data, size_t size);
// The CRC-32 of two pieces one after the other, from the sum of each and the
// second one's length, so that the pieces can be summed at the same time.
uint32_t Crc32Combine(uint32_t first, uint32_t second, uint64_t secondLength);

// The block's fields, from the kIntegrityBlockSize - kIntegrityMarkerSize bytes after its marker.
IntegrityBlock ReadIntegrityFields(const unsigned char* fields);
void WriteIntegrityFields(const IntegrityBlock& block, unsigned char* fields);

// The marker that starts the block, as the stub carries it (kIntegrityMarkerSize bytes).
std::string IntegrityMarker();
// The block of the running program's own image, as the packer filled it in.
IntegrityBlock OwnIntegrityBlock();

enum class IntegrityStatus { NotStored, Intact, Damaged };

struct IntegrityResult {
    IntegrityStatus status = IntegrityStatus::NotStored;
    std::string reason;  // for people, when damaged
};

// The bytes [begin, end) of a file.
struct ByteRange {
    uint64_t begin = 0, end = 0;
};

// The CRC-32 of range as reader reads it (see WalkArchive for Reader), through buffer.
template <typename Reader>
uint32_t SumRange(Reader& reader, ByteRange range, char* buffer, size_t bufferSize);

// Sums the archive of the file that reader reads with sum (ByteRange -> CRC-32)
// and compares it with block.
template <typename Reader, typename Sum>
IntegrityResult CheckIntegrity(Reader& reader, const IntegrityBlock& block, Sum sum);

// The same, reading through one buffer of kCopyBufferSize bytes.
template <typename Reader>
IntegrityResult CheckIntegrity(Reader& reader, const IntegrityBlock& block);

}  // namespace payload

#include "payload/integrity_check.inl"
