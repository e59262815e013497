#include "guidriver/process.h"

#include <tlhelp32.h>

#include "guidriver/text.h"

namespace guidriver {

namespace {

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

StartedProcess StartedProcess::Start(const std::string& exe, const std::string& workingFolder,
                                     const std::string& arguments) {
    const std::wstring exePath = Widen(exe);
    std::wstring folder = workingFolder.empty() ? FolderOf(exePath) : Widen(workingFolder);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + Widen(arguments);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        throw DriverError("cannot start " + exe + " (error " + std::to_string(::GetLastError()) + ")");
    }
    win::UniqueHandle thread(info.hThread);
    return StartedProcess(win::UniqueHandle(info.hProcess), info.dwProcessId);
}

StartedProcess& StartedProcess::operator=(StartedProcess&& other) noexcept {
    if (this != &other) {
        EndIfRunning();
        process_ = std::move(other.process_);
        id_ = other.id_;
        detached_ = other.detached_;
    }
    return *this;
}

StartedProcess::~StartedProcess() { EndIfRunning(); }

bool StartedProcess::IsRunning() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> StartedProcess::WaitForExit(Duration timeout) const {
    if (!process_) throw DriverError("no process was started");
    if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

void StartedProcess::EndIfRunning() {
    if (detached_ || !IsRunning()) return;
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), 10000);
}

SuspendedProcess::SuspendedProcess(DWORD processId) {
    win::UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) throw DriverError("cannot list the threads (error " + std::to_string(::GetLastError()) + ")");
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot.get(), &entry); more; more = ::Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID != processId) continue;
        win::UniqueHandle thread(::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID));
        if (thread && ::SuspendThread(thread.get()) != static_cast<DWORD>(-1)) threads_.push_back(std::move(thread));
    }
    if (threads_.empty()) throw DriverError("cannot suspend process " + std::to_string(processId));
}

SuspendedProcess::~SuspendedProcess() {
    for (const win::UniqueHandle& thread : threads_) ::ResumeThread(thread.get());
}

}  // namespace guidriver
