#pragma once
// Archives in memory for the tests: bytes put together as the layout says,
// and a reader over them that fails loudly on any read outside the file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "payload/archive_format.h"

namespace archive_test {

using Bytes = std::vector<unsigned char>;

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

inline Bytes Header(const std::string& name) {
    Bytes header(payload::kNameHeaderSize, 0);
    std::memcpy(header.data(), name.data(), std::min(name.size(), header.size()));
    return header;
}

// Builds "[stub][entries][table][N]"; entries may carry any header bytes.
class ArchiveBuilder {
public:
    explicit ArchiveBuilder(size_t stubSize = 64) : bytes_(stubSize, 0xCC) {}

    ArchiveBuilder& AddRaw(const Bytes& header, const Bytes& data) {
        offsets_.push_back(static_cast<uint32_t>(bytes_.size()));
        bytes_.insert(bytes_.end(), header.begin(), header.end());
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        return *this;
    }
    ArchiveBuilder& Add(const std::string& name, const std::string& data) {
        return AddRaw(Header(name), Bytes(data.begin(), data.end()));
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

class MemoryReader {
public:
    explicit MemoryReader(Bytes bytes) : bytes_(std::move(bytes)) {}
    uint64_t Length() { return bytes_.size(); }
    void ReadAt(uint64_t position, void* buffer, size_t size) {
        if (position > bytes_.size() || size > bytes_.size() - position)
            throw std::out_of_range("read past the end of the file");
        std::memcpy(buffer, bytes_.data() + position, size);
    }

private:
    Bytes bytes_;
};

struct Walked {
    payload::WalkResult result;
    std::vector<payload::Entry> entries;
};

inline Walked Walk(const Bytes& bytes, payload::LeadByteTest isLeadByte = payload::NoLeadBytes) {
    MemoryReader reader(bytes);
    Walked walked;
    walked.result = payload::WalkArchive(reader, isLeadByte, [&](const payload::Entry& entry) {
        walked.entries.push_back(entry);
        return true;
    });
    return walked;
}

}  // namespace archive_test
