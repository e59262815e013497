#include "progress.h"

namespace setuppack {

Progress::Progress(std::ostream& out, std::string action, uint64_t totalBytes)
    : out_(out), action_(std::move(action)), total_(totalBytes) {}

void Progress::Advance(uint64_t bytes) {
    done_ += bytes;
    if (total_ < kQuietBelow) return;
    const auto tenths = static_cast<unsigned>(done_ * 10 / total_);
    if (tenths <= shownTenths_) return;
    shownTenths_ = tenths;
    out_ << "setuppack: " << action_ << ' ' << tenths * 10 << "% (" << done_ / (1024 * 1024) << " of "
         << total_ / (1024 * 1024) << " MiB)\n" << std::flush;
}

}  // namespace setuppack
