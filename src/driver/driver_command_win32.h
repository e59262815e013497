#pragma once
// The USB-driver buttons: the driver installation inside a progress window
// centred on the main window, paced by the main window's step count and pause.
namespace app {
class MainDialog;
}

namespace driver {

void RunDriverCommand(app::MainDialog& main);

// Busy-waits shortest..longest ms, the length drawn from the C runtime's
// generator, which the program never seeds: every run pauses the same series.
void SpinProgressPause(unsigned shortest, unsigned longest);

}  // namespace driver
