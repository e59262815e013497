#pragma once
// Backslashes in ANSI paths, found character by character: the second byte of
// a double-byte character may be 0x5C without being a separator.
#include <string>

#include "common/lead_byte.h"

namespace text {

// Position of the last backslash character; npos when there is none.
size_t LastBackslash(const std::string& path, LeadByteTest isLeadByte);

// True when the last character of path is a backslash.
bool EndsWithBackslash(const std::string& path, LeadByteTest isLeadByte);

// The folder with exactly one backslash guaranteed at its end ("" gives "\").
std::string WithBackslash(const std::string& folder, LeadByteTest isLeadByte);

// The path cut just after its last backslash; empty when it has none.
std::string FolderOf(const std::string& path, LeadByteTest isLeadByte);

// The file name without its folder and without its extension ("Setup" of "C:\Dist\Setup.exe").
std::string FileTitleOf(const std::string& path, LeadByteTest isLeadByte);

}  // namespace text
