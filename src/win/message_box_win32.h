#pragma once
// The program's standard message box: OK only, the warning icon, and the
// executable's name without its extension as title.
#include <windows.h>

#include <string>

#include "win/file_win32.h"

namespace win {

void ShowMessage(HWND owner, const std::wstring& text);

// What a file-layer error tells the user: the file, then the system's reason.
std::wstring FileErrorText(const FileError& error);

}  // namespace win
