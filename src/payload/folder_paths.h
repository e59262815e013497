#pragma once
// Path decisions of the folder operations: which folder base file names are
// appended to, and which entries of a folder listing are files to act on.
#include <string>

#include "common/lead_byte.h"

namespace payload {

// True when the last character of path (not merely its last byte: the second
// byte of a double-byte character may be 0x5C) is a backslash.
bool EndsWithBackslash(const std::string& path, text::LeadByteTest isLeadByte);

// The folder with exactly one backslash guaranteed at its end.
std::string FolderBase(const std::string& folder, text::LeadByteTest isLeadByte);

// What a folder listing is started with: every entry of the folder.
std::string EveryEntryPattern(const std::string& folderBase);

// "." and ".." stand for folders and are never acted on.
bool IsDotsEntry(const std::string& name);

}  // namespace payload
