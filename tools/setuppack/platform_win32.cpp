#include "platform.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

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

}  // namespace setuppack
