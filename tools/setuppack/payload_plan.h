#pragma once
// Which files of a payload folder go into an archive, in which order and under
// which stored names, and every reason the folder cannot be stored as it is.
// Portable: the folder arrives as a tree that file_system lists.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "code_page.h"

namespace setuppack {

struct PayloadFile {
    std::string name;  // UTF-8, one path component
    uint64_t size = 0;
};

struct PayloadFolder {
    std::string name;  // UTF-8, one path component; empty for the payload folder itself
    std::vector<PayloadFile> files;
    std::vector<PayloadFolder> folders;
    std::vector<std::string> others;  // neither file nor folder: links, devices, sockets
};

struct PlannedEntry {
    std::string storedName;  // code page bytes, backslash separators
    std::string sourcePath;  // UTF-8, relative to the payload folder, forward slashes
    uint64_t size = 0;
};

struct Plan {
    std::vector<PlannedEntry> entries;
    std::vector<std::string> problems;  // one line each, naming the file
    bool Ok() const { return problems.empty(); }
};

// Within every folder its own files (by byte-wise stored name) come before its
// sub-folders (likewise), so each folder is made by the time its entries are written.
Plan PlanPayload(const PayloadFolder& root, const std::optional<CodePage>& codePage);

// Entries that an extraction mode would write before their folder's parent
// exists: the reader creates only an entry's immediate folder.
std::vector<std::string> FolderOrderProblems(const std::vector<std::string>& storedNames,
                                             const std::optional<CodePage>& codePage);

}  // namespace setuppack
