// Feeds arbitrary bytes as the setup log. A folder handed out must be one
// that the log holds as a path component, named as the scanner promises.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "driver/modem_log.h"
#include "fuzz_support.h"

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view log(reinterpret_cast<const char*>(data), size);
    const auto folder = driver::FindModemStoreFolder(log);
    if (!folder) return 0;
    Require(folder->size() >= 20 && folder->size() <= 58);
    Require(folder->compare(0, 11, "mdmcpq.inf_") == 0);
    Require(folder->find_first_of("\\/:*?\"<>|") == std::string::npos);
    for (char c : *folder) Require(static_cast<unsigned char>(c) >= 0x20);
    // Where it stands: after a backslash (or the log's stand-in first byte), before a backslash or an apostrophe.
    bool found = false;
    for (size_t at = log.find(*folder, 1); at != std::string_view::npos && !found; at = log.find(*folder, at + 1)) {
        const size_t end = at + folder->size();
        found = (at == 1 || log[at - 1] == '\\') && end < log.size() && (log[end] == '\\' || log[end] == '\'');
    }
    Require(found);
    return 0;
}
