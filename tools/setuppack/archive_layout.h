#pragma once
// Where everything goes in an installer: stub, filler, entries, offset table, count.
#include <cstdint>
#include <optional>
#include <vector>

namespace setuppack {

struct Layout {
    uint64_t fillerBytes = 0;       // zeros after the stub
    std::vector<uint32_t> offsets;  // the offset table: entry starts, then the table's own start
    uint64_t length = 0;            // of the whole installer
};

// Signing tools pad a file to a multiple of 8 before they append the
// certificate table; an installer of such a length keeps its count as the
// last four bytes of the unsigned part. nullopt when an offset would not fit 32 bits.
std::optional<Layout> LayOut(uint64_t stubSize, const std::vector<uint64_t>& dataSizes);

}  // namespace setuppack
