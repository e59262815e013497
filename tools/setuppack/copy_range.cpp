#include "copy_range.h"

#include <algorithm>

#include "progress.h"

namespace setuppack {

void CopyRange(const CopySteps& steps, uint64_t position, uint64_t size, std::vector<char>& buffer,
               Progress* progress) {
    // The kernel copies in pieces of the buffer's size too, so progress keeps its steps.
    const uint64_t end = position + size;
    while (position < end) {
        const size_t piece = static_cast<size_t>(std::min<uint64_t>(end - position, buffer.size()));
        const size_t copied = steps.inKernel(position, piece);
        if (copied == 0) break;
        position += copied;
        if (progress) progress->Advance(copied);
    }
    while (position < end) {
        const size_t chunk = static_cast<size_t>(std::min<uint64_t>(end - position, buffer.size()));
        steps.read(position, buffer.data(), chunk);
        steps.write(buffer.data(), chunk);
        position += chunk;
        if (progress) progress->Advance(chunk);
    }
}

}  // namespace setuppack
