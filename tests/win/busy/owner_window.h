#pragma once
// Visible top-level windows; the owner stands in for the main window.
#include <windows.h>
#include <commctrl.h>

#include "win/unique_resource_win32.h"

namespace shared {

inline win::UniqueWindow MakeWindow(DWORD style, int left, int top, int width, int height) {
    // As at start-up, where the progress bar class is registered before any busy window opens.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    return win::UniqueWindow(::CreateWindowExW(0, L"STATIC", L"", style | WS_VISIBLE, left, top, width, height,
                                               nullptr, nullptr, nullptr, nullptr));
}

inline win::UniqueWindow MakeOwner(int left = 120, int top = 90) {
    return MakeWindow(WS_OVERLAPPEDWINDOW, left, top, 420, 260);
}

}  // namespace shared
