#include "platform.h"

#include <iconv.h>

#include <cerrno>

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

}  // namespace setuppack
