#include "support/pictures.h"

#include <gtest/gtest.h>

#include <set>

#include "guidriver/screenshot.h"

namespace e2e {
namespace {

// A dialog face with text and a frame shows a few colours at least.
constexpr size_t kFewestColours = 3;

size_t ColoursIn(const guidriver::ScreenPicture& picture) {
    std::set<COLORREF> colours;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) colours.insert(picture.Pixel(x, y));
    }
    return colours.size();
}

bool InFront(HWND window, POINT point) { return ::GetAncestor(::WindowFromPoint(point), GA_ROOT) == window; }

}  // namespace

void SaveWindowPicture(HWND window, const std::string& folder, const std::string& name) {
    guidriver::SaveScreenshot(window, folder + "\\" + name + ".bmp");
    RECT frame{};
    ASSERT_TRUE(::GetWindowRect(window, &frame)) << name;
    EXPECT_GE(frame.left, 0) << name;
    EXPECT_GE(frame.top, 0) << name;
    EXPECT_LE(frame.right, ::GetSystemMetrics(SM_CXSCREEN)) << name;
    EXPECT_LE(frame.bottom, ::GetSystemMetrics(SM_CYSCREEN)) << name;
    for (POINT corner : {POINT{frame.left + 2, frame.top + 2}, POINT{frame.right - 3, frame.bottom - 3},
                         POINT{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2}}) {
        EXPECT_TRUE(InFront(window, corner)) << name << ": another window covers (" << corner.x << ", " << corner.y
                                             << ")";
    }
    EXPECT_GE(ColoursIn(guidriver::SettledScreenArea(frame)), kFewestColours) << name << " shows a flat area only";
}

}  // namespace e2e
