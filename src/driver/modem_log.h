#pragma once
// Finds the driver-store folder of the system's modem INF package in the
// platform's setup log, where it appears as a path component
// "mdmcpq.inf_<architecture>_<hash>" ended by a backslash or by the closing
// apostrophe of a quoted path.
#include <optional>
#include <string>
#include <string_view>

namespace driver {

// The first such folder name in the log's bytes (20 to 58 characters), or
// nothing. A name that could not be one folder of a path (it holds a
// separator, a drive colon, a wildcard or a control character) is passed over.
std::optional<std::string> FindModemStoreFolder(std::string_view log);

}  // namespace driver
