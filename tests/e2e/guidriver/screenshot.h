#pragma once
// Pictures of what the screen shows, saved as 24-bit BMP files (the Linux
// side turns them into PNG).
#include <windows.h>

#include <string>

#include "guidriver/wait.h"

namespace guidriver {

struct ImageSize {
    int width = 0;
    int height = 0;
};

// Saves the screen area of `window` with its frame, or the whole screen for a
// null window. The window is brought to the top, activated and repainted
// first; the picture is taken once three captures in a row agree, so that
// drawing still on its way to the screen is not half in the picture.
ImageSize SaveScreenshot(HWND window, const std::string& bmpPath, Duration settleTimeout = Duration(5000));

}  // namespace guidriver
