#pragma once
// Copying a byte range from one open file to the end of another: inside the
// kernel where the system can, through the one copy buffer where it cannot.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace setuppack {

class Progress;

struct CopySteps {
    // Copies up to size bytes from the source at position to the target inside
    // the kernel; returns how many, 0 when it cannot (the rest goes through the buffer).
    std::function<size_t(uint64_t position, size_t size)> inKernel;
    std::function<void(uint64_t position, char* buffer, size_t size)> read;  // exactly size bytes or throws
    std::function<void(const char* buffer, size_t size)> write;
};

void CopyRange(const CopySteps& steps, uint64_t position, uint64_t size, std::vector<char>& buffer,
               Progress* progress);

}  // namespace setuppack
