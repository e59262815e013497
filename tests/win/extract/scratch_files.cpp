#include "extract/scratch_files.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "win/file_win32.h"
#include "win/unique_resource_win32.h"

namespace extract_test {
namespace {

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

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

std::string NewFolder(const std::string& parent, const std::string& name) {
    const std::string folder = parent + name + "\\";
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        throw std::runtime_error("cannot create " + folder);
    return folder;
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

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    CollectFiles(folder, "", files);
    for (std::string& file : files) file = Upper(file);
    std::sort(files.begin(), files.end());
    return files;
}

std::string OwnFolder() {
    const std::string path = win::OwnExecutablePath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace extract_test
