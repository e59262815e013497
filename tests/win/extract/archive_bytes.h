#pragma once
// Archive files laid out byte for byte, well-formed or deliberately broken.
#include <cstdint>
#include <string>
#include <vector>

namespace extract_test {

std::string U32(uint32_t value);

// A 400-byte name header: name, NUL, zero padding. Longer names are not cut.
std::string Header(const std::string& name);

struct Item {
    std::string header;  // exactly 400 bytes
    std::string data;
};
Item EntryOf(const std::string& name, const std::string& data);

// Entries back to back, then the offset table and its count. base is the
// number of bytes that precede the archive in its file (the executable).
std::string ArchiveOf(const std::vector<Item>& items, uint32_t base = 0);

// An offset table with its count, whatever the offsets say.
std::string TableOf(const std::vector<uint32_t>& offsets);

// Bytes that differ from entry to entry and from a shifted copy of themselves.
std::string PatternBytes(size_t size, uint32_t seed);

}  // namespace extract_test
