#include "win/text_win32.h"

#include <windows.h>

namespace win {
namespace {

std::wstring Widen(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(UINT codePage, const std::wstring& text) {
    if (text.empty()) return {};
    int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                  nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                          nullptr);
    return out;
}

}  // namespace

std::wstring FromUtf8(const std::string& text) { return Widen(CP_UTF8, text); }
std::string ToUtf8(const std::wstring& text) { return Narrow(CP_UTF8, text); }
std::wstring FromAnsi(const std::string& text) { return Widen(CP_ACP, text); }
std::string ToAnsi(const std::wstring& text) { return Narrow(CP_ACP, text); }

std::optional<std::string> ToAnsiExact(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    BOOL replaced = FALSE;
    const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                        &replaced);
    if (n <= 0 || replaced) return std::nullopt;
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, out.data(), n, nullptr, &replaced);
    if (replaced) return std::nullopt;
    return out;
}

bool AnsiLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

}  // namespace win
