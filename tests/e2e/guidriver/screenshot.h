#pragma once
// Pictures of what the screen shows, saved as 24-bit BMP files (the Linux
// side turns them into PNG).
#include <windows.h>

#include <string>
#include <vector>

#include "guidriver/wait.h"

namespace guidriver {

struct ImageSize {
    int width = 0;
    int height = 0;
};

// A screen area's pixels, taken at once.
class ScreenPicture {
public:
    explicit ScreenPicture(const RECT& area);
    int Width() const { return header_.biWidth; }
    int Height() const { return header_.biHeight; }
    // (x, y) from the area's top-left corner.
    COLORREF Pixel(int x, int y) const;
    void SaveBmp(const std::string& path) const;
    bool operator==(const ScreenPicture& other) const { return pixels_ == other.pixels_; }

private:
    size_t Stride() const { return ((static_cast<size_t>(Width()) * 3 + 3) / 4) * 4; }

    // Bottom-up 24-bit rows, each padded to four bytes, as a BMP file holds them.
    BITMAPINFOHEADER header_{};
    std::vector<BYTE> pixels_;
};

// Saves the screen area of `window` with its frame, or the whole screen for a
// null window. The window is brought to the top, activated and repainted
// first; the picture is taken once three captures in a row agree, so that
// drawing still on its way to the screen is not half in the picture.
ImageSize SaveScreenshot(HWND window, const std::string& bmpPath, Duration settleTimeout = Duration(5000));

// A screen area as it stands once three captures in a row agree; for windows
// that cannot be brought up and repainted, such as those of a suspended
// program.
ScreenPicture SettledScreenArea(const RECT& area, Duration settleTimeout = Duration(5000));

}  // namespace guidriver
