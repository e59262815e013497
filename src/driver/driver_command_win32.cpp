#include "driver/driver_command_win32.h"

#include <windows.h>

#include <cstdlib>

#include "app/driver_progress_dialog_win32.h"
#include "app/main_dialog_win32.h"
#include "app/window_placement_win32.h"
#include "driver/driver_layout.h"
#include "driver/driver_progress.h"
#include "win/wait_cursor_win32.h"

namespace driver {

void RunDriverCommand(app::MainDialog& main) {
    const int languageIndex = main.LanguageIndex();
    const app::Point centre = app::CentreOf(app::ScreenRectOf(main.Handle()));
    win::WaitCursor waitCursor;
    app::DriverProgressDialog progress(main.Handle());
    progress.caption = DriverCaptionFor(languageIndex);
    progress.centre = centre;
    progress.SetCallbacks([&main](HWND) { return main.GetProgressSteps(); },
                          [&main](HWND) { return main.ProgressPause(); });
    progress.Run(main.driverEnvironment);
}

void SpinProgressPause(unsigned shortest, unsigned longest) {
    const unsigned delay = PauseLength(static_cast<unsigned>(std::rand()), shortest, longest);
    SpinFor(delay, [] { return static_cast<std::uint32_t>(::GetTickCount()); });
}

}  // namespace driver
