#pragma once
// The driver talks UTF-8 to its callers and UTF-16 to the wide Windows API,
// so Chinese texts read correctly whatever the system code page is. The
// conversion is the program's own (win/text_win32.h).
#include <string>

#include "win/text_win32.h"

namespace guidriver {

inline std::wstring Widen(const std::string& utf8) { return win::FromUtf8(utf8); }
inline std::string Narrow(const std::wstring& wide) { return win::ToUtf8(wide); }

}  // namespace guidriver
