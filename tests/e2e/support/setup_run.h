#pragma once
// Scenarios run their own copy of Setup.exe in a scratch folder below the
// Windows temp folder, with the SetupCfg.ini they want beside it (or none).
#include <optional>
#include <string>

#include "guidriver/process.h"
#include "guidriver/window.h"
#include "support/temp_folder.h"

namespace e2e {

using testing_support::WindowsPathOf;

// The copy and its folder; the folder goes away with the object.
class SetupCopy {
public:
    // `setupCfg` is written byte for byte; nothing is written when it is absent.
    SetupCopy(const std::string& setupExe, const std::optional<std::string>& setupCfg);
    // A copy of a whole distribution folder (Setup.exe, SetupCfg.ini, supplied folders).
    struct Distribution {
        std::string folder;
    };
    explicit SetupCopy(const Distribution& distribution);
    ~SetupCopy();
    SetupCopy(const SetupCopy&) = delete;
    SetupCopy& operator=(const SetupCopy&) = delete;

    const std::string& Folder() const { return scratch_.Path(); }  // ends in a backslash
    std::string ExePath() const { return scratch_ / "Setup.exe"; }
    guidriver::StartedProcess Start() const;

private:
    testing_support::TempFolder scratch_;
};

// One run of a copy: started on construction; on destruction the program is
// ended if it still runs and the copy is removed.
class SetupRun {
public:
    SetupRun(const std::string& setupExe, const std::optional<std::string>& setupCfg);
    explicit SetupRun(const SetupCopy::Distribution& distribution);

    // The first window the program shows: its main window.
    guidriver::Window WaitForMainWindow(guidriver::Duration timeout = guidriver::Duration(60000)) const;
    guidriver::StartedProcess& Process() { return process_; }
    const SetupCopy& Copy() const { return copy_; }

private:
    SetupCopy copy_;
    guidriver::StartedProcess process_;  // after copy_: ends before the copy goes
};

}  // namespace e2e
