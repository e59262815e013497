#pragma once
// Finding the visible top-level windows of a process (or of every process
// when the process id is 0), waiting until they appear.
#include <string>
#include <vector>

#include "guidriver/wait.h"
#include "guidriver/window.h"

namespace guidriver {

std::vector<Window> TopLevelWindows(DWORD processId);

// A window whose caption is exactly `caption`.
Window WaitForWindow(const std::string& caption, DWORD processId, Duration timeout);
// Any window of the process; the first one in z-order when there are several.
Window WaitForAnyWindow(DWORD processId, Duration timeout);
// An enabled dialog (#32770) whose control 0xFFFF is a static text: a message
// box, or a plain dialog like an About box. With a caption, only that one.
Window WaitForMessageBox(DWORD processId, Duration timeout, const std::string& caption = {});

}  // namespace guidriver
