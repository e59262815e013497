#include "support/temp_folder.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "win/file_win32.h"
#include "win/unique_resource_win32.h"

namespace testing_support {
namespace {

std::string WithBackslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

void CollectFiles(const std::string& folder, const std::string& prefix, std::vector<std::string>& out) {
    WIN32_FIND_DATAA found;
    win::UniqueFind find(::FindFirstFileA((folder + "*").c_str(), &found));
    if (!find) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CollectFiles(folder + name + "\\", prefix + name + "\\", out);
        } else {
            out.push_back(prefix + name);
        }
    } while (::FindNextFileA(find.get(), &found));
}

}  // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH] = {};
    char unique[MAX_PATH] = {};
    if (!::GetTempPathA(MAX_PATH, temp) || !::GetTempFileNameA(temp, "st", 0, unique)) {
        throw std::runtime_error("no temporary folder");
    }
    // GetTempFileNameA reserved the name as a file; the folder takes its place.
    ::DeleteFileA(unique);
    if (!::CreateDirectoryA(unique, nullptr)) throw std::runtime_error("cannot create a scratch folder");
    path_ = std::string(unique) + "\\";
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::MakeFolder(const std::string& name) const {
    const std::string folder = path_ + name;
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        throw std::runtime_error("cannot create " + folder);
    }
    return folder + "\\";
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    win::File file = win::File::CreateAlways(path);
    if (!file.IsOpen()) throw std::runtime_error("cannot create " + path);
    file.Write(bytes.data(), bytes.size());
}

std::optional<std::string> ReadBytes(const std::string& path) {
    win::File file = win::File::OpenRead(path);
    if (!file.IsOpen()) return std::nullopt;
    std::string bytes(static_cast<size_t>(file.Length()), '\0');
    file.ReadExact(bytes.data(), bytes.size());
    return bytes;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

DWORD Attributes(const std::string& path) { return ::GetFileAttributesA(path.c_str()); }

void AddAttributes(const std::string& path, DWORD attributes) {
    const DWORD now = ::GetFileAttributesA(path.c_str()) & ~FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileAttributesA(path.c_str(), now | attributes)) throw std::runtime_error("cannot mark " + path);
}

FILETIME LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        throw std::runtime_error("cannot stat " + path);
    }
    return data.ftLastWriteTime;
}

void SetLastWriteTime(const std::string& path, const FILETIME& time) {
    win::UniqueFile file(::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !::SetFileTime(file.get(), nullptr, nullptr, &time)) throw std::runtime_error("cannot date " + path);
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    CollectFiles(WithBackslash(folder), "", files);
    for (std::string& file : files) {
        std::transform(file.begin(), file.end(), file.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    std::sort(files.begin(), files.end());
    return files;
}

void RemoveTree(const std::string& folder) {
    const std::string base = WithBackslash(folder);
    WIN32_FIND_DATAA found;
    win::UniqueFind find(::FindFirstFileA((base + "*").c_str(), &found));
    if (find) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = base + name;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(find.get(), &found));
    }
    find.reset();
    ::RemoveDirectoryA(base.c_str());
}

std::string WindowsPathOf(const std::string& unixPath) {
    if (unixPath.empty() || unixPath[0] != '/') return unixPath;
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string OwnFolder() {
    const std::string path = win::OwnExecutablePath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace testing_support
