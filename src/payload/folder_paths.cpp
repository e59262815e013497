#include "payload/folder_paths.h"

namespace payload {

bool EndsWithBackslash(const std::string& path, text::LeadByteTest isLeadByte) {
    bool lastIsBackslash = false;
    for (size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        lastIsBackslash = byte == '\\';
        if (isLeadByte(byte) && i + 1 < path.size()) ++i;  // the trail byte is part of this character
    }
    return lastIsBackslash;
}

std::string FolderBase(const std::string& folder, text::LeadByteTest isLeadByte) {
    return EndsWithBackslash(folder, isLeadByte) ? folder : folder + '\\';
}

std::string EveryEntryPattern(const std::string& folderBase) { return folderBase + "*.*"; }

bool IsDotsEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace payload
