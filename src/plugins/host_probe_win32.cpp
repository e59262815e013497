#include "plugins/host_probe_win32.h"

#include <windows.h>

#include "win/unique_resource_win32.h"

namespace plugins {
namespace {

win::UniqueFind FindFirst(const std::string& path, WIN32_FIND_DATAA& found) {
    return win::UniqueFind(::FindFirstFileA(path.c_str(), &found));
}

}  // namespace

bool IsExistingFolder(const std::string& path) {
    WIN32_FIND_DATAA found{};
    const win::UniqueFind search = FindFirst(path, found);
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool AnythingNamed(const std::string& path) {
    WIN32_FIND_DATAA found{};
    return static_cast<bool>(FindFirst(path, found));
}

}  // namespace plugins
