#include "extract/archive_bytes.h"

namespace extract_test {

std::string U32(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

std::string Header(const std::string& name) {
    std::string header = name;
    header.resize(400, '\0');
    return header;
}

Item EntryOf(const std::string& name, const std::string& data) { return {Header(name), data}; }

std::string ArchiveOf(const std::vector<Item>& items, uint32_t base) {
    std::string bytes;
    std::vector<uint32_t> offsets;
    for (const Item& item : items) {
        offsets.push_back(base + static_cast<uint32_t>(bytes.size()));
        bytes += item.header + item.data;
    }
    offsets.push_back(base + static_cast<uint32_t>(bytes.size()));
    return bytes + TableOf(offsets);
}

std::string TableOf(const std::vector<uint32_t>& offsets) {
    std::string bytes;
    for (uint32_t offset : offsets) bytes += U32(offset);
    return bytes + U32(static_cast<uint32_t>(offsets.size()));
}

std::string PatternBytes(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    uint32_t state = seed * 2654435761u + 1;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

}  // namespace extract_test
