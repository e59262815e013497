// Stands in for every program of the sample distribution that something
// starts (the product, its uninstaller, the two driver installers). One copy
// per name: a run appends "<own file name>[ <argument>...]" to recorder.log,
// in the folder named by RECORDER_LOG_DIR or else beside the program, then
// stays running for a while, holding its own file as a running program does.
// How long: an argument --wait-ms=N, else the number in a file
// "<own file name>.wait" beside the program, else not at all.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "win/unique_resource_win32.h"

namespace {

constexpr const char* kLogFileName = "recorder.log";
constexpr const char* kLogFolderVariable = "RECORDER_LOG_DIR";
constexpr const char* kWaitArgument = "--wait-ms=";

struct OwnPath {
    std::string folder;  // ends in a backslash
    std::string name;
};

OwnPath FindOwnPath() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length);
    const size_t slash = full.find_last_of('\\');
    return {full.substr(0, slash + 1), full.substr(slash + 1)};
}

std::string LogPath(const OwnPath& self) {
    char folder[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA(kLogFolderVariable, folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return self.folder + kLogFileName;
    std::string base(folder, length);
    if (base.back() != '\\' && base.back() != '/') base += '\\';
    return base + kLogFileName;
}

// Appends one line; other recorders may be writing the same log.
void AppendLine(const std::string& logPath, const std::string& line) {
    const std::string text = line + "\r\n";
    for (int attempt = 0; attempt < 50; ++attempt) {
        win::UniqueFile log(::CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (log) {
            DWORD written = 0;
            ::WriteFile(log.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            return;
        }
        if (::GetLastError() != ERROR_SHARING_VIOLATION) return;
        ::Sleep(20);
    }
}

std::string ReadSmallFile(const std::string& path) {
    win::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    char buffer[64] = {};
    DWORD got = 0;
    if (!file || !::ReadFile(file.get(), buffer, sizeof buffer - 1, &got, nullptr)) return {};
    return std::string(buffer, got);
}

DWORD WaitMilliseconds(const OwnPath& self, int argc, char** argv) {
    const std::string prefix = kWaitArgument;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.compare(0, prefix.size(), prefix) == 0) {
            return std::strtoul(argument.c_str() + prefix.size(), nullptr, 10);
        }
    }
    return std::strtoul(ReadSmallFile(self.folder + self.name + ".wait").c_str(), nullptr, 10);
}

}  // namespace

int main(int argc, char** argv) {
    const OwnPath self = FindOwnPath();
    std::string line = self.name;
    for (int i = 1; i < argc; ++i) line += std::string(" ") + argv[i];
    AppendLine(LogPath(self), line);

    const DWORD wait = WaitMilliseconds(self, argc, argv);
    if (wait > 0) {
        win::UniqueFile own(::CreateFileA((self.folder + self.name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ::Sleep(wait);
    }
    return 0;
}
