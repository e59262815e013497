#pragma once
// The window with the progress bar shown while the USB drivers are installed.
#include <windows.h>

#include <functional>
#include <string>

#include "driver/driver_environment_win32.h"
#include "shared/window_placement.h"
#include "win/dialog_win32.h"

namespace driver {

class DriverProgressDialog : public win::Dialog {
public:
    using Tick = std::function<void()>;

    // The owner is also the window's parent (the main window).
    explicit DriverProgressDialog(HWND owner);

    // Set directly before the run. The caption is UTF-8.
    std::string caption;
    shared::Point centre;  // (0, 0): stay where the template puts the window

    // The bar's steps while the serial-port installer runs, and what each
    // unfinished wait turn does besides moving the bar (the pause).
    void SetPacing(unsigned stepCount, Tick tick);

    // The driver installation with this window shown. Without a window (it
    // could not be created) the installation still runs. A file-layer error
    // passes through, and the destructor removes the window.
    void Run(const DriverEnvironment& environment = {});

    // Creates the window from its template, sets the caption, centres it and
    // paints it; false when the window cannot be created.
    bool CreateWindowPart();
    // Removes the window if it exists (the destructor does so too).
    void DestroyWindowPart();

    HWND Owner() const { return owner_; }
    unsigned StepCount() const { return stepCount_; }
    // One tick of the pacing; nothing when none is set.
    void OnTick() const;

    // The progress bar, driven by direct messages; each position change is
    // painted at once because no messages are dispatched during the run.
    void SetProgressRange(int low, int high) const;
    void SetProgressPosition(int position) const;
    int ProgressPosition() const;

private:
    HWND owner_;
    unsigned stepCount_ = 0;
    Tick tick_;
};

}  // namespace driver
