// Feeds a section's lines as the profile API returns them (NUL-separated, the
// input's first byte picks the code page and the room for key names) and
// packs their key names into a buffer of exactly that room, so that any write
// past it is caught. Blank trimming and the list walk get the same bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shared/profile_text.h"
#include "fuzz_support.h"

using fuzz::Require;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string> Items(const char* list) {
    std::vector<std::string> items;
    shared::WalkStringList(
        list,
        [](const char* item, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(item);
            return true;
        },
        &items);
    return items;
}

void CheckTrim(std::string text) {
    const std::string before = text;
    const bool changed = shared::TrimBlanks(text);
    Require(changed == (text != before));
    Require(before.find(text) != std::string::npos);
    Require(text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back())));
    Require(!shared::TrimBlanks(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const text::LeadByteTest isLeadByte = data[0] & 0x80 ? text::GbkLeadByte : text::NoLeadBytes;
    const size_t capacity = data[0] & 0x7F;
    std::string lines(reinterpret_cast<const char*>(data + 1), size - 1);
    lines.append(2, '\0');  // the list's end, as the profile API writes it

    const std::vector<std::string> items = Items(lines.c_str());
    for (const std::string& item : items) CheckTrim(item);

    const size_t needed = shared::PackKeyNames(lines.c_str(), nullptr, 0, isLeadByte);
    const std::unique_ptr<char[]> buffer(new char[capacity + 1]);
    const size_t used = shared::PackKeyNames(lines.c_str(), buffer.get(), capacity, isLeadByte);
    Require(used <= capacity && used <= needed);
    Require(buffer[used] == '\0');
    // The packed names stay inside what was used; without a cut they are trimmed and all there.
    const bool whole = capacity >= needed;
    size_t position = 0;
    for (const std::string& name : Items(buffer.get())) {
        position += name.size() + 1;
        Require(position <= used);
        Require(name.find('=') == std::string::npos || isLeadByte == text::GbkLeadByte);
        std::string trimmed = name;
        Require(!whole || !shared::TrimBlanks(trimmed));
    }
    if (whole) Require(used == needed);
    return 0;
}
