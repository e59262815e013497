// Feeds the text of a setup configuration value: the language code must read
// as the C library's strtoll reads it, held to the range of an int, and the
// setup folder must be the path cut after a backslash that is a character of its own.
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/setup_config.h"
#include "fuzz_support.h"

using fuzz::Require;

namespace {

long long Reference(const std::string& text) {
    errno = 0;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return value;
}

void CheckFolder(const std::string& path, text::LeadByteTest isLeadByte) {
    const std::string folder = app::SetupFolderOf(path, isLeadByte);
    Require(path.compare(0, folder.size(), folder) == 0);
    if (folder.empty()) return;
    Require(folder.back() == '\\');
    // The backslash must not be the trail byte of a double-byte character.
    size_t position = 0;
    while (position < folder.size() - 1) position = text::NextCharacter(path, position, isLeadByte);
    Require(position == folder.size() - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int code = app::ParseDecimal(text);
    Require(code == Reference(text));
    const int clamped = app::ClampLanguageCode(code);
    Require(clamped >= app::kSimplifiedChinese && clamped <= app::kOtherLanguage);
    Require(clamped == code || code < app::kSimplifiedChinese || code > app::kOtherLanguage);
    CheckFolder(text, text::NoLeadBytes);
    CheckFolder(text, text::GbkLeadByte);
    return 0;
}
