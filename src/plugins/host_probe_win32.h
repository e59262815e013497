#pragma once
// The folder and file tests that tell whether a path belongs to a host application.
#include <string>

namespace plugins {

// True when path (no trailing backslash) names an existing folder.
bool IsExistingFolder(const std::string& path);

// True when a search for path finds anything at all.
bool AnythingNamed(const std::string& path);

}  // namespace plugins
