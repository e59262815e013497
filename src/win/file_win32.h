#pragma once
// The file layer: an open file that throws FileError when a read or write
// fails half-way, so callers can tell an I/O fault from a refused open.
#include <windows.h>
#include <cstdint>
#include <stdexcept>
#include <string>
#include "win/unique_resource_win32.h"

namespace win {

class FileError : public std::runtime_error {
public:
    FileError(const std::string& what, const std::string& path, DWORD code);
    const std::string& path() const { return path_; }
    DWORD code() const { return code_; }

private:
    std::string path_;
    DWORD code_;
};

class File {
public:
    enum class Share { None, Read };
    // Both return a closed File when the platform refuses; they never throw.
    static File OpenRead(const std::string& path, Share share = Share::Read);
    static File CreateAlways(const std::string& path);

    bool IsOpen() const { return static_cast<bool>(handle_); }
    const std::string& Path() const { return path_; }
    uint64_t Length() const;
    void Seek(uint64_t position);
    // Reads exactly size bytes; a short read or a platform error throws FileError.
    void ReadExact(void* buffer, size_t size);
    // Writes all size bytes or throws FileError.
    void Write(const void* buffer, size_t size);
    void Close() { handle_.reset(); }
    HANDLE Handle() const { return handle_.get(); }

private:
    File(UniqueFile handle, std::string path) : handle_(std::move(handle)), path_(std::move(path)) {}
    [[noreturn]] void Fail(const char* what, DWORD code) const;

    UniqueFile handle_;
    std::string path_;
};

// Full path of this program's executable (ANSI, at most MAX_PATH characters).
std::string OwnExecutablePath();

}  // namespace win
