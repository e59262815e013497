#pragma once
// A program started by the driver. A process that is still running when its
// owner goes away is ended, so a failed test leaves nothing behind.
#include <optional>
#include <string>
#include <vector>

#include "guidriver/wait.h"
#include "win/unique_resource_win32.h"

namespace guidriver {

class StartedProcess {
public:
    // Starts `exe` with `workingFolder` as its current folder (the exe's own
    // folder when empty); `arguments` are appended to the quoted exe path.
    static StartedProcess Start(const std::string& exe, const std::string& workingFolder = {},
                                const std::string& arguments = {});

    StartedProcess(StartedProcess&&) noexcept = default;
    StartedProcess& operator=(StartedProcess&&) noexcept;
    ~StartedProcess();

    DWORD Id() const { return id_; }
    bool IsRunning() const;
    // The exit code, or nothing while the process still runs after `timeout`.
    std::optional<DWORD> WaitForExit(Duration timeout) const;
    // Leaves the process running when this object goes away.
    void Detach() { detached_ = true; }

private:
    StartedProcess(win::UniqueHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
    void EndIfRunning();

    win::UniqueHandle process_;
    DWORD id_ = 0;
    bool detached_ = false;
};

// Every thread of a running process held still, so that a window it shows
// only for a moment can be looked at; the threads run on when this goes away.
class SuspendedProcess {
public:
    explicit SuspendedProcess(DWORD processId);
    ~SuspendedProcess();
    SuspendedProcess(const SuspendedProcess&) = delete;
    SuspendedProcess& operator=(const SuspendedProcess&) = delete;

private:
    std::vector<win::UniqueHandle> threads_;
};

}  // namespace guidriver
