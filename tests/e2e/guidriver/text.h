#pragma once
// The driver talks UTF-8 to its callers and UTF-16 to the wide Windows API,
// so Chinese texts read correctly whatever the system code page is.
#include <string>

namespace guidriver {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace guidriver
