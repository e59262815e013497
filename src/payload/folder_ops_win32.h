#pragma once
// Folder operations on one folder level: files directly in a folder are
// copied, rewritten or deleted; sub-folders are never entered or touched.
// None reports a result: a file the platform refuses is passed over.
#include <string>

namespace payload {

// Copies every file of source into destination with the platform's file copy
// (attributes and last-write time come along), replacing existing files.
void CopyFolderFiles(const std::string& source, const std::string& destination);

// Copies every file of source into destination by reading it whole and
// writing a new file (ordinary attributes, time of the copy). A source held
// open by another program is passed over. A read or write fault in the middle
// of a file throws win::FileError.
void RewriteFolderFiles(const std::string& source, const std::string& destination);

// Deletes every file directly in folder.
void EmptyFolder(const std::string& folder);

}  // namespace payload
