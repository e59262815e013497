#pragma once
// Conversions to the wide-character API. Our own texts are UTF-8 in the
// sources; paths and profile values are ANSI (system code page).
#include <optional>
#include <string>

namespace win {

std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const std::wstring& text);
// Nothing when the code page lacks one of the characters: a "?" or a
// look-alike in its place would name another file than the one shown.
std::optional<std::string> ToAnsiExact(const std::wstring& text);

// Lead-byte test of the system ANSI code page.
bool AnsiLeadByte(unsigned char byte);

}  // namespace win
