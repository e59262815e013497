#include "driver/modem_log.h"

#include <algorithm>

namespace driver {
namespace {

constexpr std::string_view kPrefix = "mdmcpq.inf_";
// Distance from the backslash before a name to the byte that ends it.
constexpr size_t kShortestSpan = 21;
constexpr size_t kLongestSpan = 59;

bool IsOneFolderName(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || std::string_view("/:*?\"<>|").find(c) != std::string_view::npos;
    });
}

}  // namespace

std::optional<std::string> FindModemStoreFolder(std::string_view log) {
    size_t lastBackslash = 0;  // the first byte stands in for a backslash before the log starts
    for (size_t position = 0; position < log.size(); ++position) {
        const char byte = log[position];
        if (byte != '\\' && byte != '\'') continue;
        const size_t span = position - lastBackslash;
        if (span >= kShortestSpan && span <= kLongestSpan) {
            const std::string_view name = log.substr(lastBackslash + 1, span - 1);
            if (name.substr(0, kPrefix.size()) == kPrefix && IsOneFolderName(name)) return std::string(name);
        }
        // An apostrophe ends a candidate but does not start one.
        if (byte == '\\') lastBackslash = position;
    }
    return std::nullopt;
}

}  // namespace driver
