#pragma once
// Scratch folders and whole-file helpers shared by the Windows tests.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the Windows temp folder, removed with everything in it
// (read-only files too) when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending with a backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }
    // Creates the sub-folder name (one level) and returns its path with a backslash.
    std::string MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);  // nullopt when it cannot be opened
bool Exists(const std::string& path);
DWORD Attributes(const std::string& path);
void AddAttributes(const std::string& path, DWORD attributes);
FILETIME LastWriteTime(const std::string& path);
void SetLastWriteTime(const std::string& path, const FILETIME& time);
// Every file below folder, as paths relative to it in upper case, sorted.
std::vector<std::string> FilesBelow(const std::string& folder);
void RemoveTree(const std::string& folder);
// A Linux path of the build tree as the Windows side sees it (drive Z: is /);
// any other path as it is.
std::string WindowsPathOf(const std::string& unixPath);

// The folder of the running test program, with a backslash.
std::string OwnFolder();

}  // namespace testing_support
