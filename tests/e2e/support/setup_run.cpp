#include "support/setup_run.h"

#include <windows.h>

#include "guidriver/find.h"
#include "guidriver/text.h"
#include "win/unique_resource_win32.h"

namespace e2e {

namespace {

using guidriver::DriverError;
using guidriver::Narrow;
using guidriver::Widen;

// Copies folder `from` with everything below it into the existing folder `to`.
void CopyTree(const std::wstring& from, const std::wstring& to) {
    WIN32_FIND_DATAW entry;
    win::UniqueFind find(::FindFirstFileW((from + L"*").c_str(), &entry));
    if (!find) throw DriverError("cannot list " + Narrow(from));
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ::CreateDirectoryW((to + name).c_str(), nullptr);
            CopyTree(from + name + L"\\", to + name + L"\\");
        } else if (!::CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE)) {
            throw DriverError("cannot copy " + Narrow(from + name));
        }
    } while (::FindNextFileW(find.get(), &entry));
}

}  // namespace

SetupCopy::SetupCopy(const std::string& setupExe, const std::optional<std::string>& setupCfg) {
    if (!::CopyFileW(Widen(WindowsPathOf(setupExe)).c_str(), Widen(ExePath()).c_str(), FALSE)) {
        throw DriverError("cannot copy " + setupExe + " (error " + std::to_string(::GetLastError()) + ")");
    }
    if (setupCfg) testing_support::WriteBytes(scratch_ / "SetupCfg.ini", *setupCfg);
}

SetupCopy::SetupCopy(const Distribution& distribution) {
    CopyTree(Widen(WindowsPathOf(distribution.folder)) + L"\\", Widen(Folder()));
}

// A program that has just ended may hold its executable a little longer; the
// scratch folder then goes with everything in it.
SetupCopy::~SetupCopy() {
    const std::wstring exe = Widen(ExePath());
    guidriver::PollUntil(guidriver::Duration(10000),
                         [&] { return ::DeleteFileW(exe.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND; });
}

guidriver::StartedProcess SetupCopy::Start() const {
    return guidriver::StartedProcess::Start(ExePath(), Folder());
}

SetupRun::SetupRun(const std::string& setupExe, const std::optional<std::string>& setupCfg)
    : copy_(setupExe, setupCfg), process_(copy_.Start()) {}

SetupRun::SetupRun(const SetupCopy::Distribution& distribution)
    : copy_(distribution), process_(copy_.Start()) {}

guidriver::Window SetupRun::WaitForMainWindow(guidriver::Duration timeout) const {
    return guidriver::WaitForAnyWindow(process_.Id(), timeout);
}

}  // namespace e2e
