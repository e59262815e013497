#include "driver/driver_command_win32.h"

#include <cstdlib>

#include "driver/driver_layout.h"
#include "driver/driver_progress_dialog_win32.h"
#include "shared/window_placement_win32.h"
#include "win/sent_messages_win32.h"
#include "win/wait_cursor_win32.h"

namespace driver {

void RunDriverCommand(HWND mainWindow, shared::LanguageIndex language, const DriverEnvironment& environment) {
    const shared::Point centre = shared::CentreOf(shared::ScreenRectOf(mainWindow));
    win::WaitCursor waitCursor;
    DriverProgressDialog progress(mainWindow);
    progress.caption = DriverCaptionFor(language);
    progress.centre = centre;
    const ProgressPacing pacing;
    progress.SetPacing(pacing.stepCount, [pacing] { SpinProgressPause(pacing); });
    progress.Run(environment);
}

void SpinProgressPause(const ProgressPacing& pacing) {
    const unsigned delay = PauseLength(static_cast<unsigned>(std::rand()), pacing.shortestPause, pacing.longestPause);
    SpinFor(delay, [] {
        win::AnswerSentMessages();  // the spin is a wait as well
        return static_cast<std::uint32_t>(::GetTickCount());
    });
}

}  // namespace driver
