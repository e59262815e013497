#include "payload/folder_paths.h"

namespace payload {

std::string EveryEntryPattern(const std::string& folderBase) { return folderBase + "*.*"; }

bool IsDotsEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace payload
