#pragma once
// The program's standard message box: OK only, the warning icon, and the
// executable's name without its extension as title.
#include <windows.h>

#include <functional>
#include <string>

#include "win/file_win32.h"

namespace win {

void ShowMessage(HWND owner, const std::wstring& text);

// Where a command's messages go (UTF-8 texts): message boxes in the program,
// a recorder in tests.
using MessageSink = std::function<void(const std::string& utf8Text)>;

// The standard message box over owner.
MessageSink MessageBoxesOver(HWND owner);

// What a file-layer error tells the user: the file, then the system's reason.
std::wstring FileErrorText(const FileError& error);

}  // namespace win
