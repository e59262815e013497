#include "folders/scratch_folder.h"

#include <stdexcept>

#include "win/unique_resource_win32.h"

namespace folders_test {

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH] = {};
    char unique[MAX_PATH] = {};
    if (!::GetTempPathA(MAX_PATH, temp) || !::GetTempFileNameA(temp, "fo", 0, unique)) {
        throw std::runtime_error("no temporary folder");
    }
    // GetTempFileNameA reserved the name as a file; the folder takes its place.
    ::DeleteFileA(unique);
    if (!::CreateDirectoryA(unique, nullptr)) throw std::runtime_error("cannot create scratch folder");
    path_ = std::string(unique) + "\\";
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::MakeFolder(const std::string& name) const {
    const std::string folder = path_ + name;
    if (!::CreateDirectoryA(folder.c_str(), nullptr)) throw std::runtime_error("cannot create " + folder);
    return folder + "\\";
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    win::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::optional<std::string> ReadBytes(const std::string& path) {
    win::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(::GetFileSize(file.get(), nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty() && (!::ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) ||
                           got != bytes.size())) {
        throw std::runtime_error("cannot read " + path);
    }
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

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    win::UniqueFind find(::FindFirstFileA((folder + "*").c_str(), &found));
    if (find) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(find.get(), &found));
    }
    find.reset();
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace folders_test
