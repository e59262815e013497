#pragma once
// What a dialog shows, read back as UTF-8 for comparison with our texts.
#include <windows.h>

#include <string>
#include <vector>

#include "win/text_win32.h"

namespace testing_support {

inline std::string WindowText(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return win::ToUtf8(text);
}

// The rows of a combo box.
inline std::vector<std::string> ComboRows(HWND list) {
    std::vector<std::string> rows;
    const auto count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        wchar_t row[256] = {};
        ::SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(row));
        rows.push_back(win::ToUtf8(row));
    }
    return rows;
}

}  // namespace testing_support
