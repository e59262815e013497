#include "common/path_text.h"

namespace text {

size_t LastBackslash(const std::string& path, LeadByteTest isLeadByte) {
    size_t last = std::string::npos;
    for (size_t i = 0, next = 0; i < path.size(); i = next) {
        next = NextCharacter(path, i, isLeadByte);
        if (next == i + 1 && path[i] == '\\') last = i;
    }
    return last;
}

bool EndsWithBackslash(const std::string& path, LeadByteTest isLeadByte) {
    return !path.empty() && LastBackslash(path, isLeadByte) == path.size() - 1;
}

std::string WithBackslash(const std::string& folder, LeadByteTest isLeadByte) {
    return EndsWithBackslash(folder, isLeadByte) ? folder : folder + '\\';
}

std::string FolderOf(const std::string& path, LeadByteTest isLeadByte) {
    const size_t last = LastBackslash(path, isLeadByte);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileTitleOf(const std::string& path, LeadByteTest isLeadByte) {
    const size_t last = LastBackslash(path, isLeadByte);
    std::string name = last == std::string::npos ? path : path.substr(last + 1);
    const size_t dot = name.rfind('.');  // '.' is never the trail byte of a double-byte character
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace text
