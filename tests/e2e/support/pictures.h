#pragma once
// The window pictures the README links, taken by the screenshot runs.
#include <windows.h>

#include <string>

namespace e2e {

// Saves the window as it shows on the screen to folder\name.bmp and checks
// what a reader of the picture would notice: the whole window on the screen,
// nothing else in front of it, and more than a flat unpainted area.
void SaveWindowPicture(HWND window, const std::string& folder, const std::string& name);

}  // namespace e2e
