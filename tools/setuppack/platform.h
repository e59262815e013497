#pragma once
// What differs between the Linux and the Windows build of the packer: how the
// command line arrives and how names convert between UTF-8 and a code page.
#include <optional>
#include <string>
#include <vector>

namespace setuppack {

// The program's arguments as UTF-8, without the program name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Exact conversions: nullopt when a character has no place in the other encoding.
std::optional<std::string> Utf8ToCodePage(const std::string& utf8, unsigned codePage);
std::optional<std::string> CodePageToUtf8(const std::string& bytes, unsigned codePage);

}  // namespace setuppack
