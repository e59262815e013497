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

std::wstring MakeScratchFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring folder = std::wstring(temp) + L"e2e-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(attempt) + L"\\";
        if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
    throw DriverError("cannot make a scratch folder in " + Narrow(temp));
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    win::UniqueFile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw DriverError("cannot write " + Narrow(path));
    }
}

// Removes a folder with everything below it; true when it is gone.
bool RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    win::UniqueFind find(::FindFirstFileW((folder + L"*").c_str(), &entry));
    if (find) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + L"\\");
            } else {
                ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(path.c_str());
            }
        } while (::FindNextFileW(find.get(), &entry));
    }
    find.reset();
    return ::RemoveDirectoryW(folder.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

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

std::string WindowsPathOf(const std::string& unixPath) {
    if (unixPath.empty() || unixPath[0] != '/') return unixPath;
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

SetupCopy::SetupCopy(const std::string& setupExe, const std::optional<std::string>& setupCfg) {
    const std::wstring folder = MakeScratchFolder();
    folder_ = Narrow(folder);
    if (!::CopyFileW(Widen(WindowsPathOf(setupExe)).c_str(), (folder + L"Setup.exe").c_str(), FALSE)) {
        throw DriverError("cannot copy " + setupExe + " (error " + std::to_string(::GetLastError()) + ")");
    }
    if (setupCfg) WriteFileBytes(folder + L"SetupCfg.ini", *setupCfg);
}

SetupCopy::SetupCopy(const Distribution& distribution) {
    const std::wstring folder = MakeScratchFolder();
    folder_ = Narrow(folder);
    CopyTree(Widen(WindowsPathOf(distribution.folder)) + L"\\", folder);
}

// A program that has just ended may hold its executable a little longer.
SetupCopy::~SetupCopy() {
    guidriver::PollUntil(guidriver::Duration(10000), [&] { return RemoveTree(Widen(folder_)); });
}

guidriver::StartedProcess SetupCopy::Start() const {
    return guidriver::StartedProcess::Start(ExePath(), folder_);
}

SetupRun::SetupRun(const std::string& setupExe, const std::optional<std::string>& setupCfg)
    : copy_(setupExe, setupCfg), process_(copy_.Start()) {}

SetupRun::SetupRun(const SetupCopy::Distribution& distribution)
    : copy_(distribution), process_(copy_.Start()) {}

guidriver::Window SetupRun::WaitForMainWindow(guidriver::Duration timeout) const {
    return guidriver::WaitForAnyWindow(process_.Id(), timeout);
}

}  // namespace e2e
