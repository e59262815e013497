#pragma once
// The one way tests put installers together, for the native, Windows and fuzz
// tests alike: archives byte by byte as the layout says, "[stub][entries]
// [offset table][N]", well-formed or deliberately broken, and the PE head a
// signing tool extends. Portable, header only.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace test_archive {

using Bytes = std::vector<unsigned char>;

constexpr size_t kHeaderBytes = 400;

inline void AppendLe32(Bytes& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
}

inline void PutLe32(Bytes& bytes, size_t position, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[position + i] = static_cast<unsigned char>(value >> (8 * i));
}

inline void PutLe16(Bytes& bytes, size_t position, uint16_t value) {
    bytes[position] = static_cast<unsigned char>(value);
    bytes[position + 1] = static_cast<unsigned char>(value >> 8);
}

inline uint32_t Le32(const Bytes& bytes, size_t position) {
    return uint32_t{bytes[position]} | uint32_t{bytes[position + 1]} << 8 | uint32_t{bytes[position + 2]} << 16 |
           uint32_t{bytes[position + 3]} << 24;
}

// A name header: the name's first 400 bytes, then zeros. A name of 400 bytes
// or more fills the header and leaves no NUL in it.
inline Bytes Header(const std::string& name) {
    Bytes header(kHeaderBytes, 0);
    std::memcpy(header.data(), name.data(), std::min(name.size(), header.size()));
    return header;
}

// Entries may carry any header bytes, so broken archives can be made too.
// Offsets are absolute: they count the stub.
class ArchiveBuilder {
public:
    explicit ArchiveBuilder(size_t stubSize = 64) : bytes_(stubSize, 0xCC) {}
    static ArchiveBuilder AfterStub(Bytes stub) {
        ArchiveBuilder builder(0);
        builder.bytes_ = std::move(stub);
        return builder;
    }

    ArchiveBuilder& AddRaw(const Bytes& header, const Bytes& data) {
        offsets_.push_back(static_cast<uint32_t>(bytes_.size()));
        bytes_.insert(bytes_.end(), header.begin(), header.end());
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        return *this;
    }
    ArchiveBuilder& Add(const std::string& name, const std::string& data) {
        return AddRaw(Header(name), Bytes(data.begin(), data.end()));
    }
    ArchiveBuilder& AddAll(const std::vector<std::pair<std::string, std::string>>& entries) {
        for (const auto& [name, data] : entries) Add(name, data);
        return *this;
    }
    Bytes Build() const {
        Bytes bytes = bytes_;
        std::vector<uint32_t> offsets = offsets_;
        offsets.push_back(static_cast<uint32_t>(bytes.size()));
        for (uint32_t offset : offsets) AppendLe32(bytes, offset);
        AppendLe32(bytes, static_cast<uint32_t>(offsets.size()));
        return bytes;
    }
    // As the Windows tests write files.
    std::string BuildText() const {
        const Bytes bytes = Build();
        return std::string(bytes.begin(), bytes.end());
    }

private:
    Bytes bytes_;
    std::vector<uint32_t> offsets_;
};

// File contents that differ from seed to seed: Bytes, or std::string for the
// Windows tests.
template <typename Contents = Bytes>
Contents RandomBytes(size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    Contents bytes(size, 0);
    for (auto& byte : bytes) byte = static_cast<typename Contents::value_type>(generator());
    return bytes;
}

// ---- the PE head in front of a signed installer's archive ----

constexpr uint16_t kPe32 = 0x10b;
constexpr uint16_t kPe32Plus = 0x20b;
constexpr size_t kPeHeader = 0x80;  // where the DOS header points
constexpr size_t kOptionalHeader = kPeHeader + 24;

inline size_t DataDirectories(uint16_t magic) { return kOptionalHeader + (magic == kPe32Plus ? 112 : 96); }
inline size_t CertificateEntry(uint16_t magic) { return DataDirectories(magic) + 4 * 8; }

// The 1024-byte head of a PE file with 16 data directories whose
// certificate-table entry says (start, size): what the archive reader looks
// at, and enough for osslsigncode to sign.
inline Bytes PeHead(uint16_t magic = kPe32, uint32_t certificateStart = 0, uint32_t certificateSize = 0) {
    Bytes head(1024, 0);
    head[0] = 'M';
    head[1] = 'Z';
    PutLe32(head, 0x3C, kPeHeader);
    std::memcpy(head.data() + kPeHeader, "PE\0\0", 4);
    PutLe16(head, kPeHeader + 4, magic == kPe32Plus ? 0x8664 : 0x14c);  // machine
    PutLe16(head, kPeHeader + 20, static_cast<uint16_t>(DataDirectories(magic) + 16 * 8 - kOptionalHeader));
    PutLe16(head, kOptionalHeader, magic);
    PutLe32(head, kOptionalHeader + 60, static_cast<uint32_t>(head.size()));  // size of the headers
    PutLe32(head, DataDirectories(magic) - 4, 16);                              // number of directories
    PutLe32(head, CertificateEntry(magic), certificateStart);
    PutLe32(head, CertificateEntry(magic) + 4, certificateSize);
    return head;
}

// What a signing tool does to an installer that starts with PeHead(magic):
// appends a certificate table right after its last byte and points the head's
// entry at it. (A tool pads first to a multiple of 8, which the packer's
// installers already are.)
inline Bytes Signed(Bytes installer, size_t certificateSize, uint16_t magic = kPe32) {
    const auto start = static_cast<uint32_t>(installer.size());
    installer.resize(installer.size() + certificateSize, 0x30);
    PutLe32(installer, CertificateEntry(magic), start);
    PutLe32(installer, CertificateEntry(magic) + 4, static_cast<uint32_t>(certificateSize));
    return installer;
}

}  // namespace test_archive
