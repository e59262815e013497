#pragma once
// Files and folders for the packer, named by UTF-8 paths on both platforms.
// Every fault throws FileError naming the path.
#include <cstdint>
#include <string>
#include <vector>

#include "payload_plan.h"
#include "platform.h"

namespace setuppack {

class Progress;

class InputFile {
public:
    explicit InputFile(const std::string& path);
    const std::string& Path() const { return path_; }
    uint64_t Length() const { return length_; }
    // Both read exactly size bytes or throw.
    void ReadAt(uint64_t position, void* buffer, size_t size);
    void Read(void* buffer, size_t size);  // from where the last Read ended

private:
    friend class OutputFile;
    std::string path_;
    SystemFile file_;
    uint64_t length_ = 0;
    uint64_t position_ = 0;
};

class OutputFile {
public:
    explicit OutputFile(const std::string& path);  // creates or truncates
    void Write(const void* buffer, size_t size);
    // Appends size bytes of source from position: inside the kernel where the
    // system can, through buffer where it cannot.
    void Append(InputFile& source, uint64_t position, uint64_t size, std::vector<char>& buffer, Progress* progress);
    void WriteAt(uint64_t position, const void* buffer, size_t size);  // over what was written; call Write no more
    void Close();  // throws when the data did not reach the file

private:
    std::string path_;
    SystemFile file_;
};

// The payload folder as a tree of names and sizes, in no particular order.
PayloadFolder ListPayloadFolder(const std::string& path);

std::string JoinPath(const std::string& folder, const std::string& relative);  // relative uses '/'
bool IsFolder(const std::string& path);
bool SameFile(const std::string& a, const std::string& b);
bool IsInside(const std::string& path, const std::string& folder);
void CreateFolders(const std::string& path);
void RenameFile(const std::string& from, const std::string& to);
void RemoveFile(const std::string& path);  // ignores a missing file

}  // namespace setuppack
