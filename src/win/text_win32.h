#pragma once
// Conversions to the wide-character API. Our own texts are UTF-8 in the
// sources; paths and profile values are ANSI (system code page).
#include <string>

namespace win {

std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const std::wstring& text);

// Lead-byte test of the system ANSI code page.
bool AnsiLeadByte(unsigned char byte);

}  // namespace win
