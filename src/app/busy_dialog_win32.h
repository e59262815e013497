#pragma once
// A blank window shown, centred on the main window, while one task runs
// synchronously on the user-interface thread.
#include <windows.h>

#include <functional>
#include <string>

#include "app/window_placement.h"
#include "win/dialog_win32.h"

namespace app {

class BusyDialog : public win::Dialog {
public:
    using Task = std::function<void(HWND owner)>;

    // The owner is also the window's parent (the main window).
    explicit BusyDialog(HWND owner);

    // Set directly before Run. Texts are UTF-8; the second text is never shown.
    std::string caption;
    std::string secondText;
    Point centre;  // (0, 0): stay where the template puts the window

    void SetTask(Task task) { task_ = std::move(task); }

    // Shows the window, calls the task once with the owner, removes the window;
    // returns 1 whatever the task did. The task also runs when the window
    // cannot be created. An exception from the task passes through, and the
    // destructor then removes the window.
    int Run();

private:
    void ShowWindowPart();
    void DestroyWindowPart();

    HWND owner_;
    Task task_;
};

}  // namespace app
