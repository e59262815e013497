#pragma once
// Path decisions of the folder operations: which folder base file names are
// appended to, and which entries of a folder listing are files to act on.
#include <string>

namespace payload {

// DBCS lead-byte test of the ANSI code page the path is written in.
using PathLeadByteTest = bool (*)(unsigned char);

// True when the last character of path (not merely its last byte: the second
// byte of a double-byte character may be 0x5C) is a backslash.
bool EndsWithBackslash(const std::string& path, PathLeadByteTest isLeadByte);

// The folder with exactly one backslash guaranteed at its end.
std::string FolderBase(const std::string& folder, PathLeadByteTest isLeadByte);

// What a folder listing is started with: every entry of the folder.
std::string EveryEntryPattern(const std::string& folderBase);

// "." and ".." stand for folders and are never acted on.
bool IsDotsEntry(const std::string& name);

}  // namespace payload
