#pragma once
// Progress of a long copy on standard error: a line at every tenth of the
// bytes, and nothing at all for payloads small enough to finish at once.
#include <cstdint>
#include <ostream>
#include <string>

namespace setuppack {

class Progress {
public:
    static constexpr uint64_t kQuietBelow = 16 * 1024 * 1024;

    Progress(std::ostream& out, std::string action, uint64_t totalBytes);
    void Advance(uint64_t bytes);

private:
    std::ostream& out_;
    std::string action_;
    uint64_t total_;
    uint64_t done_ = 0;
    unsigned shownTenths_ = 0;
};

}  // namespace setuppack
