#include "payload/archive_format.h"

#include <cstring>

namespace payload {



namespace detail {

uint32_t ReadU32Le(const unsigned char* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
           uint32_t{bytes[3]} << 24;
}

std::string EntryProblem(const Entry& entry, uint64_t tableStart, uint64_t archiveEnd) {
    const std::string which = "entry " + std::to_string(entry.index);
    if (entry.end >= archiveEnd) return which + " ends beyond the end of the file";
    // Data running into the offset table would be copied out as file contents.
    if (entry.end > tableStart) return which + " overlaps the offset table";
    if (entry.end < entry.start) return which + " ends before it starts";
    if (entry.end - entry.start <= kNameHeaderSize) return which + " holds no data";
    return {};
}

}  // namespace detail

namespace {

uint16_t ReadU16Le(const unsigned char* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

// Offset of the certificate table's directory entry in the optional header.
constexpr size_t kPe32CertificateEntry = 96 + 4 * 8;
constexpr size_t kPe32PlusCertificateEntry = 112 + 4 * 8;
constexpr size_t kPe32RvaCount = 92;
constexpr size_t kPe32PlusRvaCount = 108;
constexpr uint32_t kCertificateDirectory = 4;

bool Fits(size_t position, size_t size, size_t available) {
    return position <= available && size <= available - position;
}

bool IsDotsAndSpacesOnly(const std::string& part) {
    return !part.empty() && part.find_first_not_of(". ") == std::string::npos;
}

}  // namespace

uint64_t ArchiveEnd(const unsigned char* head, size_t headSize, uint64_t fileLength) {
    if (head == nullptr || !Fits(0, 0x40, headSize) || head[0] != 'M' || head[1] != 'Z') return fileLength;
    const size_t peOffset = detail::ReadU32Le(head + 0x3C);
    if (!Fits(peOffset, 24, headSize) || std::memcmp(head + peOffset, "PE\0\0", 4) != 0) return fileLength;
    const size_t optionalSize = ReadU16Le(head + peOffset + 20);
    const size_t optional = peOffset + 24;
    if (!Fits(optional, 2, headSize)) return fileLength;

    size_t rvaCountAt = 0;
    size_t entryAt = 0;
    switch (ReadU16Le(head + optional)) {
        case 0x10b: rvaCountAt = kPe32RvaCount; entryAt = kPe32CertificateEntry; break;
        case 0x20b: rvaCountAt = kPe32PlusRvaCount; entryAt = kPe32PlusCertificateEntry; break;
        default: return fileLength;
    }
    if (optionalSize < entryAt + 8 || !Fits(optional, entryAt + 8, headSize)) return fileLength;
    if (detail::ReadU32Le(head + optional + rvaCountAt) <= kCertificateDirectory) return fileLength;

    const uint64_t certificateStart = detail::ReadU32Le(head + optional + entryAt);
    const uint64_t certificateSize = detail::ReadU32Le(head + optional + entryAt + 4);
    if (certificateSize == 0 || certificateStart + certificateSize != fileLength) return fileLength;
    return certificateStart;
}

bool IsSafeEntryName(const std::string& name) {
    if (name.empty()) return false;
    if (name.front() == '\\' || name.front() == '/') return false;  // root or UNC
    if (name.find(':') != std::string::npos) return false;          // drive or stream
    // Split on both separators byte by byte, whatever the code page: a name must
    // not climb out of the root on a system whose code page reads it differently.
    size_t partStart = 0;
    while (partStart <= name.size()) {
        size_t partEnd = name.find_first_of("\\/", partStart);
        if (partEnd == std::string::npos) partEnd = name.size();
        const std::string part = name.substr(partStart, partEnd - partStart);
        // Windows drops trailing dots and spaces, so ".. " climbs as ".." does.
        // Empty parts stay allowed: a GBK character may end in 0x5C.
        if (IsDotsAndSpacesOnly(part)) return false;
        partStart = partEnd + 1;
    }
    return true;
}

std::string NameFromHeader(const char* header) {
    size_t length = 0;
    while (length < kMaxNameBytes && header[length] != '\0') ++length;
    return std::string(header, length);
}

Destination DestinationOf(ExtractMode mode, const std::string& entryFolder) {
    const bool product = mode == ExtractMode::Product;
    if (entryFolder == "Contour") return product ? Destination::WindowsFolder : Destination::Skip;
    if (entryFolder == "LXDriver") return product ? Destination::Skip : Destination::UnderRoot;
    if (entryFolder == "VRXDriver" || entryFolder == "VRXDriver\\amd64" || entryFolder == "VRXDriver\\x86")
        return Destination::UnderRoot;
    return product ? Destination::UnderRoot : Destination::Skip;
}

}  // namespace payload
