#pragma once
// What the fuzz targets share: a broken rule is a crash the fuzzer keeps, and
// an archive reader over the input's bytes that aborts on any read outside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace fuzz {

inline void Require(bool condition) {
    if (!condition) std::abort();
}

class MemoryReader {
public:
    MemoryReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Length() { return size_; }
    void ReadAt(uint64_t position, void* buffer, size_t size) {
        Require(position <= size_ && size <= size_ - position);
        if (size > 0) std::memcpy(buffer, data_ + position, size);
    }

private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace fuzz
