#pragma once
// What differs between the Linux and the Windows build of the packer: how the
// command line arrives, how names convert between UTF-8 and a code page, and
// how files are opened, read, written and copied.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace setuppack {

// The program's arguments as UTF-8, without the program name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Exact conversions: nullopt when a character has no place in the other encoding.
std::optional<std::string> Utf8ToCodePage(const std::string& utf8, unsigned codePage);
std::optional<std::string> CodePageToUtf8(const std::string& bytes, unsigned codePage);

// An open file of the system, named by a UTF-8 path; closed when it goes.
// The calls return false on any fault; the caller names the file.
class SystemFile {
public:
    static SystemFile OpenToRead(const std::string& path);
    static SystemFile CreateToWrite(const std::string& path);  // creates or truncates
    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile();

    bool IsOpen() const { return handle_ != kNone; }
    std::optional<uint64_t> Length() const;
    bool ReadAt(uint64_t position, void* buffer, size_t size);  // exactly size bytes
    bool Write(const void* buffer, size_t size);                // all of it, where the last write ended
    bool WriteAt(uint64_t position, const void* buffer, size_t size);  // all of it; the next Write may go anywhere
    bool Close();

    // Copies up to size bytes from source at position to where this file's
    // last write ended, inside the kernel. Returns how many; 0 where the system
    // cannot (another file system, no such call) or on a fault, which the
    // caller's buffer loop then meets and reports itself.
    size_t CopyInKernel(SystemFile& source, uint64_t position, size_t size);

private:
    static constexpr intptr_t kNone = -1;
    explicit SystemFile(intptr_t handle) : handle_(handle) {}
    intptr_t handle_ = kNone;
};

}  // namespace setuppack
