#include "shared/window_placement_win32.h"

namespace shared {

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

namespace {

void PaintNow(HWND window) {
    if (window == nullptr) return;  // null would mean the whole desktop
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace

void PaintOwnerAndWindow(HWND owner, HWND window) {
    PaintNow(owner);
    PaintNow(window);
    // A wait that returns at once and dispatches nothing: where the window
    // system puts drawing on the screen only when a thread waits (Wine does),
    // what was just painted reaches the screen before the task starts.
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

}  // namespace shared
