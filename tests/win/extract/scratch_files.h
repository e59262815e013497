#pragma once
// Whole-file reads and writes and folder listings for the extraction tests.
#include <optional>
#include <string>
#include <vector>

namespace extract_test {

// Creates parent + name as a folder and returns it with a backslash.
std::string NewFolder(const std::string& parent, const std::string& name);

void WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);

// Every file below folder, as paths relative to it in upper case, sorted.
std::vector<std::string> FilesBelow(const std::string& folder);

// The folder of this test program, with a backslash.
std::string OwnFolder();

}  // namespace extract_test
