#pragma once
// Shortcut (.lnk) files read back through the shell-link object.
#include <string>

namespace testing_support {

struct LinkContents {
    std::string target;
    std::string description;
    std::string iconFile;
    int iconIndex = -1;
    int showCommand = 0;  // as stored in the file
};

// Adds a test failure and returns empty contents when the file cannot be loaded.
LinkContents ReadLink(const std::string& linkFile);

}  // namespace testing_support
