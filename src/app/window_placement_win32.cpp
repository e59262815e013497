#include "app/window_placement_win32.h"

namespace app {

Rect ScreenRectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void CentreWindowOn(HWND window, Point centre) {
    Rect rect = ScreenRectOf(window);
    std::optional<Point> origin = PlacementFor(rect, centre);
    if (!origin) return;
    ::MoveWindow(window, origin->x, origin->y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void PaintNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace app
