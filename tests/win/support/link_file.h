#pragma once
// Shortcut (.lnk) files loaded through the shell-link object.
#include <optional>
#include <string>

namespace testing_support {

struct LinkContents {
    std::string target;
    std::string description;
    std::string iconFile;
    int iconIndex = -1;
    int showCommand = 0;  // as stored in the file
};

// Nothing when the file cannot be loaded as a shortcut.
std::optional<LinkContents> LoadLink(const std::string& linkFile);

}  // namespace testing_support
