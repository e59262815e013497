#include "integrity_block.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "errors.h"
#include "file_system.h"

namespace setuppack {
namespace {

std::string Hex(uint32_t value) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::vector<uint64_t> FindMarker(const std::string& marker, uint64_t length,
                                 const std::function<void(uint64_t, char*, size_t)>& read, std::vector<char>& buffer) {
    std::vector<uint64_t> positions;
    if (marker.empty() || buffer.size() <= marker.size()) return positions;
    // Windows overlap by the marker's length less one, so no marker falls between two.
    const size_t step = buffer.size() - (marker.size() - 1);
    for (uint64_t start = 0; start + marker.size() <= length; start += step) {
        const size_t window = static_cast<size_t>(std::min<uint64_t>(length - start, buffer.size()));
        read(start, buffer.data(), window);
        const auto end = buffer.begin() + static_cast<std::ptrdiff_t>(window);
        for (auto at = std::search(buffer.begin(), end, marker.begin(), marker.end()); at != end;
             at = std::search(at + 1, end, marker.begin(), marker.end()))
            positions.push_back(start + static_cast<uint64_t>(at - buffer.begin()));
        if (window < buffer.size()) break;
    }
    return positions;
}

std::optional<uint64_t> FindBlock(InputFile& file, uint64_t stubLength, std::vector<char>& buffer) {
    const std::vector<uint64_t> positions = FindMarker(
        payload::IntegrityMarker(), stubLength,
        [&](uint64_t position, char* bytes, size_t size) { file.ReadAt(position, bytes, size); }, buffer);
    if (positions.empty()) return std::nullopt;
    if (positions.size() > 1)
        throw Failure(file.Path() + ": the stub holds the integrity block's marker " + std::to_string(positions.size()) +
                      " times; there is no telling which block to fill");
    if (positions[0] + payload::kIntegrityBlockSize > stubLength)
        throw Failure(file.Path() + ": the stub's integrity block is cut off by the stub's end");
    return positions[0];
}

IntegrityReport ReportIntegrity(InputFile& installer, uint64_t stubLength, std::vector<char>& buffer) {
    const auto position = FindBlock(installer, stubLength, buffer);
    if (!position) return {{}, "no checksum: the stub reserves no integrity block"};
    unsigned char fields[payload::kIntegrityBlockSize - payload::kIntegrityMarkerSize];
    installer.ReadAt(*position + payload::kIntegrityMarkerSize, fields, sizeof fields);
    const payload::IntegrityBlock block = payload::ReadIntegrityFields(fields);
    if (!block.Stored()) return {{}, "no checksum: the integrity block is empty"};
    const payload::IntegrityResult result = payload::CheckIntegrity(installer, block);
    const std::string stored = "CRC-32 " + Hex(block.crc) + " of " + std::to_string(block.archiveLength) + " bytes";
    if (result.status == payload::IntegrityStatus::Damaged)
        return {result, "checksum " + stored + " does not match: " + result.reason};
    return {result, "checksum " + stored + " matches"};
}

}  // namespace setuppack
