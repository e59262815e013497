#pragma once
// Path decisions of the folder operations: which entries of a folder listing
// are files to act on.
#include <string>

namespace payload {

// What a folder listing is started with: every entry of the folder.
std::string EveryEntryPattern(const std::string& folderBase);

// "." and ".." stand for folders and are never acted on.
bool IsDotsEntry(const std::string& name);

}  // namespace payload
