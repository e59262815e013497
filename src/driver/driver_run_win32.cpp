#include "driver/driver_run_win32.h"

#include <windows.h>

#include "driver/driver_progress_dialog_win32.h"
#include "driver/driver_layout.h"
#include "driver/driver_progress.h"
#include "driver/stage_driver_files_win32.h"
#include "win/message_box_win32.h"
#include "win/sent_messages_win32.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace driver {
namespace {

constexpr DWORD kWaitTurnMs = 100;
constexpr DWORD kPauseBeforeCleanupMs = 100;

// No arguments, nothing inherited, this program's environment and folder.
win::UniqueHandle StartInstaller(const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return {};
    }
    win::UniqueHandle thread(started.hThread);
    return win::UniqueHandle(started.hProcess);
}

// Moves the bar one step per unfinished turn; it is full once the installer ends.
// The installer, or any program, may send to our windows meanwhile: each turn answers.
void WaitMovingTheBar(const DriverProgressDialog& dialog, HANDLE installer, unsigned stepCount) {
    unsigned counter = 0;
    for (;;) {
        counter = NextStepCounter(counter, stepCount);
        if (win::WaitAnsweringSentMessages(installer, kWaitTurnMs)) break;
        dialog.SetProgressPosition(static_cast<int>(BarPosition(counter, stepCount)));
        dialog.OnTick();
    }
    dialog.SetProgressPosition(static_cast<int>(kBarHigh));
}

class DriverInstall {
public:
    DriverInstall(const DriverProgressDialog& dialog, const DriverEnvironment& environment)
        : dialog_(dialog), environment_(environment), facts_(Completed(environment.systemFacts)) {}

    void Run() {
        const unsigned stepCount = dialog_.StepCount();
        dialog_.SetProgressRange(0, static_cast<int>(kBarHigh));
        const std::optional<std::string> systemFolder = facts_.systemFolder();
        if (!systemFolder) return ShowError();
        const std::string root = DriverRootOf(*systemFolder, win::AnsiLeadByte);
        if (!payload::ExtractDriverPayload(root, environment_.extractSource)) return ShowError();
        StageDriverFiles(root + kStagingSourceFolder, facts_);
        RunInstallers(root, stepCount);
        win::WaitAnsweringSentMessages(nullptr, kPauseBeforeCleanupMs);
        for (const char* leftover : kSerialDriverLeftovers) ::DeleteFileA((root + leftover).c_str());
    }

private:
    void RunInstallers(const std::string& root, unsigned stepCount) const {
        const win::UniqueHandle serialInstaller = StartInstaller(root + kSerialInstaller);
        if (!serialInstaller) return ShowError();
        WaitMovingTheBar(dialog_, serialInstaller.get(), stepCount);
        if (!StartInstaller(root + kUsbInstaller)) ShowError();
    }

    void ShowError() const {
        const win::MessageSink show =
            environment_.showMessage ? environment_.showMessage : win::MessageBoxesOver(dialog_.Owner());
        show(kDriverErrorMessage);
    }

    const DriverProgressDialog& dialog_;
    const DriverEnvironment& environment_;
    const SystemFacts facts_;
};

}  // namespace

void RunDriverInstall(const DriverProgressDialog& dialog, const DriverEnvironment& environment) {
    DriverInstall(dialog, environment).Run();
}

}  // namespace driver
