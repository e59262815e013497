// Feeds an integrity block's fields (the first 16 bytes) and an installer (the
// rest). The sum, in two pieces split anywhere, must agree with a plain
// bit-by-bit CRC-32; the check may read only inside the file and must agree
// with that CRC where it finds the archive intact; the packer's windowed
// marker search must find exactly what a search of the whole file finds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "integrity_block.h"
#include "payload/integrity.h"

using fuzz::Require;

namespace {

uint32_t BitwiseCrc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? crc >> 1 ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

void CheckMarkerSearch(const uint8_t* data, size_t size, const std::string& marker) {
    const char* bytes = reinterpret_cast<const char*>(data);
    std::vector<uint64_t> expected;
    for (const char* at = std::search(bytes, bytes + size, marker.begin(), marker.end()); at != bytes + size;
         at = std::search(at + 1, bytes + size, marker.begin(), marker.end()))
        expected.push_back(static_cast<uint64_t>(at - bytes));
    // A window a little longer than the marker, so that markers straddle windows.
    std::vector<char> window(marker.size() + 1 + size % 23);
    fuzz::MemoryReader reader(data, size);
    const std::vector<uint64_t> found = setuppack::FindMarker(
        marker, size, [&](uint64_t position, char* bytes, size_t count) { reader.ReadAt(position, bytes, count); },
        window);
    Require(found == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kFields = payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize;
    if (size < kFields) return 0;
    const size_t split = data[0] * size / 256;
    const uint32_t whole = BitwiseCrc32(data, size);
    Require(payload::Crc32(payload::Crc32(0, data, split), data + split, size - split) == whole);
    Require(payload::Crc32Combine(payload::Crc32(0, data, split), payload::Crc32(0, data + split, size - split),
                                  size - split) == whole);
    payload::IntegrityBlock block = payload::ReadIntegrityFields(data);
    const uint8_t* file = data + kFields;
    const size_t fileSize = size - kFields;
    // Lengths that fit the file, most of the time, so that sums get compared.
    if (fileSize > 0 && data[15] & 1) block.archiveLength %= fileSize + 1;

    fuzz::MemoryReader reader(file, fileSize);
    const payload::IntegrityResult result = payload::CheckIntegrity(reader, block);
    if (!block.Stored()) Require(result.status == payload::IntegrityStatus::NotStored);
    if (result.status == payload::IntegrityStatus::Damaged) Require(!result.reason.empty());
    if (result.status == payload::IntegrityStatus::Intact) {
        fuzz::MemoryReader endReader(file, fileSize);
        const uint64_t archiveEnd = payload::detail::ArchiveEndOf(endReader);
        Require(block.archiveLength <= archiveEnd);
        Require(BitwiseCrc32(file + archiveEnd - block.archiveLength, block.archiveLength) == block.crc);
    }
    CheckMarkerSearch(file, fileSize, payload::IntegrityMarker());
    CheckMarkerSearch(file, fileSize, "MZ");
    return 0;
}
