#pragma once
// The window with the progress bar shown while the USB drivers are installed.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/window_placement.h"
#include "driver/driver_environment_win32.h"
#include "win/dialog_win32.h"

namespace app {

class DriverProgressDialog : public win::Dialog {
public:
    using StepCountCallback = std::function<unsigned(HWND owner)>;
    using TickCallback = std::function<int(HWND owner)>;

    // The owner is also the window's parent (the main window).
    explicit DriverProgressDialog(HWND owner);

    // Set directly before the run. The caption is UTF-8.
    std::string caption;
    Point centre;  // (0, 0): stay where the template puts the window
    std::int32_t reserved = 0;  // nothing reads it

    void SetCallbacks(StepCountCallback stepCount, TickCallback tick);

    // The driver installation with this window shown; returns 1 in every case.
    // Without a window (it could not be created) the installation still runs.
    // A file-layer error passes through, and the destructor removes the window.
    int Run(const driver::DriverEnvironment& environment = {});

    // Creates the window from its template, sets the caption, centres it and
    // paints it; false when the window cannot be created.
    bool CreateWindowPart();
    // Removes the window if it exists (the destructor does so too).
    void DestroyWindowPart();

    HWND Owner() const { return owner_; }
    // The step count from the step-count callback; 0 when none is set.
    unsigned StepCount() const;
    // One tick of the tick callback (its result means nothing); nothing when none is set.
    void Tick() const;

    // The progress bar, driven by direct messages; each position change is
    // painted at once because no messages are dispatched during the run.
    void SetProgressRange(int low, int high) const;
    void SetProgressPosition(int position) const;
    int ProgressPosition() const;

private:
    HWND owner_;
    StepCountCallback stepCount_;
    TickCallback tick_;
};

}  // namespace app
