#pragma once
// Places and paints the busy windows, which show while no messages are dispatched.
#include <windows.h>

#include "shared/window_placement.h"

namespace shared {

// The window's rectangle in screen coordinates (callers centre busy windows on it).
Rect ScreenRectOf(HWND window);

// Moves window, keeping its size, so that its centre lies on centre, and
// repaints it; a centre of (0, 0) leaves it where it is.
void CentreWindowOn(HWND window, Point centre);

// Paints, frame and children at once, the owner (where a dialog closed just
// before and the busy window's move from its template position have left
// holes) and then the busy window: neither gets to handle a queued paint
// message while the task runs. The window is null when it could not be made.
void PaintOwnerAndWindow(HWND owner, HWND window);

}  // namespace shared
