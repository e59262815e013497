#include "archive_layout.h"

#include <limits>

#include "payload/archive_format.h"

namespace setuppack {

std::optional<Layout> LayOut(uint64_t stubSize, const std::vector<uint64_t>& dataSizes) {
    constexpr uint64_t kOffsetLimit = std::numeric_limits<uint32_t>::max();
    constexpr uint64_t kAlignment = 8;
    const uint64_t count = dataSizes.size() + 1;

    uint64_t entryBytes = 0;
    for (uint64_t size : dataSizes) {
        if (size > kOffsetLimit) return std::nullopt;
        entryBytes += payload::kNameHeaderSize + size;
        if (entryBytes > kOffsetLimit) return std::nullopt;
    }
    if (stubSize > kOffsetLimit) return std::nullopt;
    const uint64_t unpadded = stubSize + entryBytes + 4 * count + 4;

    Layout layout;
    layout.fillerBytes = (kAlignment - unpadded % kAlignment) % kAlignment;
    layout.length = unpadded + layout.fillerBytes;
    uint64_t position = stubSize + layout.fillerBytes;
    for (uint64_t size : dataSizes) {
        layout.offsets.push_back(static_cast<uint32_t>(position));
        position += payload::kNameHeaderSize + size;
    }
    if (position > kOffsetLimit) return std::nullopt;
    layout.offsets.push_back(static_cast<uint32_t>(position));
    return layout;
}

}  // namespace setuppack
