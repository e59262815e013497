// CheckIntegrity. Included by integrity.h; not to be included on its own.
#include <algorithm>

namespace payload {

template <typename Reader>
IntegrityResult CheckIntegrity(Reader& reader, const IntegrityBlock& block) {
    if (!block.Stored()) return {};
    const uint64_t archiveEnd = detail::ArchiveEndOf(reader);
    if (block.archiveLength > archiveEnd)
        return {IntegrityStatus::Damaged, "the file is cut off: its archive holds " +
                                              std::to_string(block.archiveLength) + " bytes, the file " +
                                              std::to_string(archiveEnd) + " in all"};
    std::vector<char> buffer(kCopyBufferSize);
    uint32_t crc = 0;
    for (uint64_t position = archiveEnd - block.archiveLength; position < archiveEnd;) {
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(archiveEnd - position, buffer.size()));
        reader.ReadAt(position, buffer.data(), chunk);
        crc = Crc32(crc, buffer.data(), chunk);
        position += chunk;
    }
    if (crc != block.crc) return {IntegrityStatus::Damaged, "the archive's checksum does not match"};
    return {IntegrityStatus::Intact, {}};
}

}  // namespace payload
