#include "win/file_win32.h"

namespace win {

FileError::FileError(const std::string& what, const std::string& path, DWORD code)
    : std::runtime_error(what + ": " + path + " (error " + std::to_string(code) + ")"),
      path_(path), code_(code) {}

File File::OpenRead(const std::string& path, Share share) {
    DWORD shareMode = share == Share::Read ? FILE_SHARE_READ : 0;
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, shareMode, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    return File(UniqueFile(h), path);
}

File File::CreateAlways(const std::string& path) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    return File(UniqueFile(h), path);
}

void File::Fail(const char* what, DWORD code) const { throw FileError(what, path_, code); }

uint64_t File::Length() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(handle_.get(), &size)) Fail("cannot read the size of", ::GetLastError());
    return static_cast<uint64_t>(size.QuadPart);
}

void File::Seek(uint64_t position) {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(position);
    if (!::SetFilePointerEx(handle_.get(), to, nullptr, FILE_BEGIN)) Fail("cannot seek in", ::GetLastError());
}

void File::ReadExact(void* buffer, size_t size) {
    auto* out = static_cast<char*>(buffer);
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD got = 0;
        if (!::ReadFile(handle_.get(), out, chunk, &got, nullptr)) Fail("cannot read", ::GetLastError());
        if (got == 0) Fail("unexpected end of", ERROR_HANDLE_EOF);
        out += got;
        size -= got;
    }
}

void File::Write(const void* buffer, size_t size) {
    const auto* in = static_cast<const char*>(buffer);
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD put = 0;
        if (!::WriteFile(handle_.get(), in, chunk, &put, nullptr)) Fail("cannot write", ::GetLastError());
        if (put == 0) Fail("cannot write", ERROR_DISK_FULL);
        in += put;
        size -= put;
    }
}

std::string OwnExecutablePath() {
    char path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH - 1);
}

}  // namespace win
