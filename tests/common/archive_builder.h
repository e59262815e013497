#pragma once
// Archives put together byte by byte as the layout says, for tests, seeds and
// hand-made installers: "[stub][entries][offset table][N]". Portable, header only.
#include <algorithm>
#include <cstdint>
#include <cstring>
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

// A name header: the name (cut at 400 bytes), then zeros.
inline Bytes Header(const std::string& name) {
    Bytes header(kHeaderBytes, 0);
    std::memcpy(header.data(), name.data(), std::min(name.size(), header.size()));
    return header;
}

// Entries may carry any header bytes, so broken archives can be made too.
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

private:
    Bytes bytes_;
    std::vector<uint32_t> offsets_;
};

}  // namespace test_archive
