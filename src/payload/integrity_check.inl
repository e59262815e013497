// SumRange and CheckIntegrity. Included by integrity.h; not to be included on its own.
#include <algorithm>

namespace payload {

template <typename Reader>
uint32_t SumRange(Reader& reader, ByteRange range, char* buffer, size_t bufferSize) {
    uint32_t crc = 0;
    for (uint64_t position = range.begin; position < range.end;) {
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(range.end - position, bufferSize));
        reader.ReadAt(position, buffer, chunk);
        crc = Crc32(crc, buffer, chunk);
        position += chunk;
    }
    return crc;
}

template <typename Reader, typename Sum>
IntegrityResult CheckIntegrity(Reader& reader, const IntegrityBlock& block, Sum sum) {
    if (!block.Stored()) return {};
    const uint64_t archiveEnd = detail::ArchiveEndOf(reader);
    if (block.archiveLength > archiveEnd)
        return {IntegrityStatus::Damaged, "the file is cut off: its archive holds " +
                                              std::to_string(block.archiveLength) + " bytes, the file " +
                                              std::to_string(archiveEnd) + " in all"};
    if (sum(ByteRange{archiveEnd - block.archiveLength, archiveEnd}) != block.crc)
        return {IntegrityStatus::Damaged, "the archive's checksum does not match"};
    return {IntegrityStatus::Intact, {}};
}

template <typename Reader>
IntegrityResult CheckIntegrity(Reader& reader, const IntegrityBlock& block) {
    std::vector<char> buffer(kCopyBufferSize);
    return CheckIntegrity(reader, block,
                          [&](ByteRange range) { return SumRange(reader, range, buffer.data(), buffer.size()); });
}

}  // namespace payload
