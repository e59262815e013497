#pragma once
// A scratch folder below the temporary folder, removed with everything in it
// (read-only files too) when the test ends, and small file helpers.
#include <windows.h>

#include <optional>
#include <string>

namespace folders_test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::string& Path() const { return path_; }
    // Creates the sub-folder name (one level) and returns its path with a backslash.
    std::string MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
bool Exists(const std::string& path);
DWORD Attributes(const std::string& path);
void AddAttributes(const std::string& path, DWORD attributes);
FILETIME LastWriteTime(const std::string& path);
void SetLastWriteTime(const std::string& path, const FILETIME& time);
void RemoveTree(const std::string& folder);

}  // namespace folders_test
