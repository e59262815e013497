#include "shared/profile_text.h"

#include <cstring>

namespace shared {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Position of the first '=' that is a character of its own, or npos.
size_t FindEquals(std::string_view line, LeadByteTest isLeadByte) {
    for (size_t i = 0; i < line.size(); i = text::NextCharacter(line, i, isLeadByte))
        if (line[i] == '=') return i;
    return std::string::npos;
}

// The longest prefix of name of at most limit bytes that ends on a character boundary.
size_t WholeCharacters(const std::string& name, size_t limit, LeadByteTest isLeadByte) {
    size_t end = 0;
    for (size_t next = 0; end < name.size(); end = next) {
        next = text::NextCharacter(name, end, isLeadByte);
        if (next > limit) break;
    }
    return end;
}

}  // namespace

bool TrimBlanks(std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    size_t begin = 0;
    while (begin < end && IsBlank(text[begin])) ++begin;
    if (begin == 0 && end == text.size()) return false;
    text = text.substr(begin, end - begin);
    return true;
}

bool WalkStringList(const char* list, StringListVisitor visitor, void* context) {
    if (list == nullptr || visitor == nullptr) return false;
    for (const char* item = list; *item != '\0'; item += std::strlen(item) + 1) {
        if (!visitor(item, context)) return false;
    }
    return true;
}

size_t PackKeyNames(const char* sectionLines, char* buffer, size_t capacity, LeadByteTest isLeadByte) {
    struct Packing {
        char* out;
        size_t room;
        size_t count;
        LeadByteTest isLeadByte;
    } packing{buffer, capacity, 0, isLeadByte};

    auto packLine = [](const char* line, void* context) {
        auto& p = *static_cast<Packing*>(context);
        size_t equals = FindEquals(line, p.isLeadByte);
        if (equals == std::string::npos || equals == 0) return true;
        std::string name(line, equals);
        TrimBlanks(name);
        if (p.out == nullptr) {
            p.count += name.size() + 1;
            return true;
        }
        // A full buffer takes no more names: writing on would run past its end.
        if (p.room == 0) return true;
        size_t n = p.room < 2 ? 0 : WholeCharacters(name, p.room - 1, p.isLeadByte);
        std::memcpy(p.out, name.data(), n);
        p.out[n] = '\0';
        p.out += n + 1;
        p.room -= n + 1;
        p.count += n + 1;
        return true;
    };
    WalkStringList(sectionLines, packLine, &packing);
    if (buffer != nullptr) buffer[packing.count] = '\0';
    return packing.count;
}

}  // namespace shared
