#include "driver/driver_environment_win32.h"

#include <windows.h>

#include "win/wow64_win32.h"

namespace driver {
namespace {

constexpr UINT kSystemFolderBuffer = 261;

std::optional<std::string> RealSystemFolder() {
    char path[kSystemFolderBuffer] = {};
    const UINT length = ::GetSystemDirectoryA(path, kSystemFolderBuffer);
    if (length == 0 || length >= kSystemFolderBuffer) return std::nullopt;
    return std::string(path, length);
}

std::optional<WindowsVersion> RealWindowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExA(&info)) return std::nullopt;
    return WindowsVersion{info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace

SystemFacts Completed(SystemFacts facts) {
    if (!facts.systemFolder) facts.systemFolder = RealSystemFolder;
    if (!facts.windowsVersion) facts.windowsVersion = RealWindowsVersion;
    if (!facts.is64Bit) facts.is64Bit = win::IsRunningOnWow64;
    if (!facts.systemFolderRedirected) facts.systemFolderRedirected = win::IsSystemFolderRedirected;
    return facts;
}

}  // namespace driver
