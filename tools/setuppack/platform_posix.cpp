#include "platform.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace setuppack {
namespace {

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (IsOpen()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> Convert(const std::string& input) {
        std::string output;
        char buffer[256];
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t done = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, out);
            if (done == static_cast<size_t>(-1) && errno != E2BIG) return std::nullopt;
            // glibc counts characters it could not map exactly, without failing.
            if (done != static_cast<size_t>(-1) && done > 0) return std::nullopt;
        }
        return output;
    }

private:
    iconv_t handle_;
};

int Fd(intptr_t handle) { return static_cast<int>(handle); }

// Repeats step(bytes, left, done) until all size bytes went through it; false
// on a fault or when it makes no progress (the end of the file for a read).
template <typename Byte, typename Step>
bool Whole(Byte* bytes, size_t size, Step step) {
    for (uint64_t done = 0; done < size;) {
        const ssize_t moved = step(bytes + done, static_cast<size_t>(size - done), done);
        if (moved < 0 && errno == EINTR) continue;
        if (moved <= 0) return false;
        done += static_cast<uint64_t>(moved);
    }
    return true;
}

std::string IconvName(unsigned codePage) { return "CP" + std::to_string(codePage); }

std::optional<std::string> Convert(const std::string& input, const std::string& to, const std::string& from) {
    Converter converter(to, from);
    if (!converter.IsOpen()) return std::nullopt;
    return converter.Convert(input);
}

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv + 1, argv + argc); }

std::optional<std::string> Utf8ToCodePage(const std::string& utf8, unsigned codePage) {
    return Convert(utf8, IconvName(codePage), "UTF-8");
}

std::optional<std::string> CodePageToUtf8(const std::string& bytes, unsigned codePage) {
    return Convert(bytes, "UTF-8", IconvName(codePage));
}

SystemFile SystemFile::OpenToRead(const std::string& path) { return SystemFile(open(path.c_str(), O_RDONLY | O_CLOEXEC)); }

SystemFile SystemFile::CreateToWrite(const std::string& path) {
    return SystemFile(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

std::optional<uint64_t> SystemFile::Length() const {
    struct stat status {};
    if (fstat(Fd(handle_), &status) != 0) return std::nullopt;
    return static_cast<uint64_t>(status.st_size);
}

bool SystemFile::ReadAt(uint64_t position, void* buffer, size_t size) {
    return Whole(static_cast<char*>(buffer), size, [&](char* bytes, size_t left, uint64_t done) {
        return pread(Fd(handle_), bytes, left, static_cast<off_t>(position + done));
    });
}

bool SystemFile::Write(const void* buffer, size_t size) {
    return Whole(static_cast<const char*>(buffer), size,
                 [&](const char* bytes, size_t left, uint64_t) { return write(Fd(handle_), bytes, left); });
}

bool SystemFile::WriteAt(uint64_t position, const void* buffer, size_t size) {
    return Whole(static_cast<const char*>(buffer), size, [&](const char* bytes, size_t left, uint64_t done) {
        return pwrite(Fd(handle_), bytes, left, static_cast<off_t>(position + done));
    });
}

bool SystemFile::Close() {
    if (!IsOpen()) return true;
    return close(Fd(std::exchange(handle_, kNone))) == 0;
}

size_t SystemFile::CopyInKernel(SystemFile& source, uint64_t position, size_t size) {
    auto from = static_cast<off_t>(position);
    for (;;) {
        const ssize_t done = copy_file_range(Fd(source.handle_), &from, Fd(handle_), nullptr, size, 0);
        if (done < 0 && errno == EINTR) continue;
        return done < 0 ? 0 : static_cast<size_t>(done);
    }
}

}  // namespace setuppack
