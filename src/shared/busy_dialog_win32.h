#pragma once
// A blank window shown, centred on the main window, while one task runs
// synchronously on the user-interface thread.
#include <windows.h>

#include <functional>
#include <string>

#include "shared/window_placement.h"
#include "win/dialog_win32.h"

namespace shared {

class BusyDialog : public win::Dialog {
public:
    using Task = std::function<void(HWND owner)>;

    // The owner is also the window's parent (the main window).
    explicit BusyDialog(HWND owner);

    // Set directly before Run. The caption is UTF-8.
    std::string caption;
    Point centre;  // (0, 0): stay where the template puts the window

    void SetTask(Task task) { task_ = std::move(task); }

    // Shows the window, calls the task once with the owner, removes the window.
    // The task also runs when the window cannot be created. An exception from
    // the task passes through, and the destructor then removes the window.
    void Run();

private:
    void ShowWindowPart();
    void DestroyWindowPart();

    HWND owner_;
    Task task_;
};

}  // namespace shared
