// WalkArchive: the reader's checks, in the reader's order. Included by
// archive_format.h; not to be included on its own.
#include <algorithm>
#include <vector>

namespace payload {
namespace detail {

uint32_t ReadU32Le(const unsigned char* bytes);
std::string EntryProblem(const Entry& entry, uint64_t tableStart, uint64_t archiveEnd);

// How many bytes of the file head ArchiveEnd needs to see the PE headers.
constexpr size_t kHeadBytes = 4096;

template <typename Reader>
uint64_t ArchiveEndOf(Reader& reader) {
    const uint64_t fileLength = reader.Length();
    unsigned char head[kHeadBytes];
    const size_t headSize = static_cast<size_t>(std::min<uint64_t>(fileLength, kHeadBytes));
    if (headSize == 0) return fileLength;
    reader.ReadAt(0, head, headSize);
    return ArchiveEnd(head, headSize, fileLength);
}

inline WalkResult Stop(WalkStatus status, uint32_t entryIndex, std::string reason) {
    WalkResult result;
    result.status = status;
    result.entryIndex = entryIndex;
    result.reason = std::move(reason);
    return result;
}

}  // namespace detail

template <typename Reader, typename Visitor>
WalkResult WalkArchive(Reader& reader, LeadByteTest isLeadByte, Visitor&& visit) {
    // An Authenticode signature appended by a signing tool is not part of the archive.
    const uint64_t archiveEnd = detail::ArchiveEndOf(reader);
    if (archiveEnd < 4)
        return detail::Stop(WalkStatus::FileTooShort, 0, "the file is shorter than 4 bytes");

    unsigned char countBytes[4];
    reader.ReadAt(archiveEnd - 4, countBytes, sizeof countBytes);
    const uint32_t count = detail::ReadU32Le(countBytes);
    if (count == 0 || count > kMaxOffsetCount)
        return detail::Stop(WalkStatus::BadCount, 0,
                            "the offset count " + std::to_string(count) + " is outside 1.." +
                                std::to_string(kMaxOffsetCount));

    const uint64_t tableBytes = uint64_t{count} * 4;
    if (archiveEnd < tableBytes + 4)
        return detail::Stop(WalkStatus::TableTooShort, 0,
                            "the file is shorter than its offset table of " +
                                std::to_string(count) + " offsets");

    const uint64_t tableStart = archiveEnd - 4 - tableBytes;
    std::vector<unsigned char> tableBytesRead(static_cast<size_t>(tableBytes));
    reader.ReadAt(tableStart, tableBytesRead.data(), tableBytesRead.size());
    std::vector<uint32_t> offsets(count);
    for (uint32_t i = 0; i < count; ++i) offsets[i] = detail::ReadU32Le(&tableBytesRead[size_t{i} * 4]);

    char header[kNameHeaderSize];
    for (uint32_t i = 0; i + 1 < count; ++i) {
        Entry entry;
        entry.index = i;
        entry.start = offsets[i];
        entry.end = offsets[i + 1];
        std::string problem = detail::EntryProblem(entry, tableStart, archiveEnd);
        if (!problem.empty()) return detail::Stop(WalkStatus::BadEntry, i, std::move(problem));

        reader.ReadAt(entry.start, header, sizeof header);
        entry.name = NameFromHeader(header);
        if (!IsSafeEntryName(entry.name))
            return detail::Stop(WalkStatus::BadEntry, i,
                                "entry " + std::to_string(i) + " has an unsafe name \"" + entry.name + "\"");
        const size_t separator = text::LastBackslash(entry.name, isLeadByte);
        if (separator == std::string::npos) {
            entry.fileName = entry.name;
        } else {
            entry.folder = entry.name.substr(0, separator);
            entry.fileName = entry.name.substr(separator + 1);
        }
        if (!visit(static_cast<const Entry&>(entry)))
            return detail::Stop(WalkStatus::StoppedByVisitor, i, "stopped at entry " + std::to_string(i));
    }
    return WalkResult{};
}

}  // namespace payload
