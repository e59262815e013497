#pragma once
// Shortcut (.lnk) files read back in a test.
#include <gtest/gtest.h>

#include <string>

#include "support/link_file.h"

namespace testing_support {

// Adds a test failure and returns empty contents when the file cannot be loaded.
inline LinkContents ReadLink(const std::string& linkFile) {
    if (std::optional<LinkContents> contents = LoadLink(linkFile)) return *contents;
    ADD_FAILURE() << "cannot load " << linkFile;
    return {};
}

}  // namespace testing_support
