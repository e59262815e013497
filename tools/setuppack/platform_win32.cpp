#include "platform.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace setuppack {
namespace {

std::optional<std::wstring> ToWide(const std::string& text, unsigned codePage) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> FromWide(const std::wstring& wide, unsigned codePage) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::optional<std::string> Convert(const std::string& text, unsigned from, unsigned to) {
    const auto wide = ToWide(text, from);
    if (!wide) return std::nullopt;
    return FromWide(*wide, to);
}

HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

intptr_t Open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    const auto wide = ToWide(path, CP_UTF8);
    if (!wide) return reinterpret_cast<intptr_t>(INVALID_HANDLE_VALUE);
    return reinterpret_cast<intptr_t>(
        CreateFileW(wide->c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

OVERLAPPED At(uint64_t position) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    return at;
}

// Repeats step(bytes, piece, &moved, done) until all size bytes went through
// it, in pieces that fit the DWORD of ReadFile and WriteFile; false on a fault
// or when it makes no progress (the end of the file for a read).
template <typename Byte, typename Step>
bool Whole(Byte* bytes, size_t size, Step step) {
    for (uint64_t done = 0; done < size;) {
        const auto piece = static_cast<DWORD>(std::min<uint64_t>(size - done, 1u << 30));
        DWORD moved = 0;
        if (!step(bytes + done, piece, &moved, done) || moved == 0) return false;
        done += moved;
    }
    return true;
}

struct LocalFreeDeleter {
    void operator()(wchar_t** block) const { LocalFree(block); }
};

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
    // The ANSI argv cannot carry every file name; the wide command line can.
    int count = 0;
    std::unique_ptr<wchar_t*, LocalFreeDeleter> wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) arguments.push_back(FromWide(wide.get()[i], CP_UTF8).value_or(""));
    return arguments;
}

std::optional<std::string> Utf8ToCodePage(const std::string& utf8, unsigned codePage) {
    return Convert(utf8, CP_UTF8, codePage);
}

std::optional<std::string> CodePageToUtf8(const std::string& bytes, unsigned codePage) {
    return Convert(bytes, codePage, CP_UTF8);
}

SystemFile SystemFile::OpenToRead(const std::string& path) {
    return SystemFile(Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
}

SystemFile SystemFile::CreateToWrite(const std::string& path) {
    return SystemFile(Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS));
}

std::optional<uint64_t> SystemFile::Length() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(Handle(handle_), &size)) return std::nullopt;
    return static_cast<uint64_t>(size.QuadPart);
}

bool SystemFile::ReadAt(uint64_t position, void* buffer, size_t size) {
    return Whole(static_cast<char*>(buffer), size, [&](char* bytes, DWORD piece, DWORD* moved, uint64_t done) {
        OVERLAPPED at = At(position + done);
        return ReadFile(Handle(handle_), bytes, piece, moved, &at);
    });
}

bool SystemFile::Write(const void* buffer, size_t size) {
    return Whole(static_cast<const char*>(buffer), size, [&](const char* bytes, DWORD piece, DWORD* moved, uint64_t) {
        return WriteFile(Handle(handle_), bytes, piece, moved, nullptr);
    });
}

// With an offset, WriteFile moves the file pointer too; build calls it last.
bool SystemFile::WriteAt(uint64_t position, const void* buffer, size_t size) {
    return Whole(static_cast<const char*>(buffer), size,
                 [&](const char* bytes, DWORD piece, DWORD* moved, uint64_t done) {
                     OVERLAPPED at = At(position + done);
                     return WriteFile(Handle(handle_), bytes, piece, moved, &at);
                 });
}

bool SystemFile::Close() {
    if (!IsOpen()) return true;
    return CloseHandle(Handle(std::exchange(handle_, kNone))) != 0;
}

// Windows has no call that copies a range between open files: the buffer loop does it.
size_t SystemFile::CopyInKernel(SystemFile&, uint64_t, size_t) { return 0; }

}  // namespace setuppack
