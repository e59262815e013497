#include "file_system.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "errors.h"

namespace fs = std::filesystem;

namespace setuppack {
namespace {

fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

std::string Utf8Of(const fs::path& path) { return path.u8string(); }

[[noreturn]] void Fail(const std::string& path, const std::string& what) { throw FileError(path + ": " + what); }

}  // namespace

InputFile::InputFile(const std::string& path) : path_(path) {
    std::error_code error;
    const auto status = fs::status(PathOf(path), error);
    if (error || !fs::is_regular_file(status)) Fail(path, "not a readable file");
    length_ = fs::file_size(PathOf(path), error);
    if (error) Fail(path, "cannot get the file size: " + error.message());
    stream_.open(PathOf(path), std::ios::binary);
    if (!stream_) Fail(path, "cannot open the file");
}

void InputFile::ReadAt(uint64_t position, void* buffer, size_t size) {
    stream_.clear();
    if (!stream_.seekg(static_cast<std::streamoff>(position))) Fail(path_, "cannot seek");
    Read(buffer, size);
}

void InputFile::Read(void* buffer, size_t size) {
    if (!stream_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size)))
        Fail(path_, "read failed or the file is shorter than expected");
}

OutputFile::OutputFile(const std::string& path) : path_(path) {
    stream_.open(PathOf(path), std::ios::binary | std::ios::trunc);
    if (!stream_) Fail(path, "cannot create the file");
}

void OutputFile::Write(const void* buffer, size_t size) {
    if (!stream_.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(size)))
        Fail(path_, "write failed");
}

void OutputFile::Close() {
    stream_.close();
    if (!stream_) Fail(path_, "write failed when closing");
}

PayloadFolder ListPayloadFolder(const std::string& path) {
    PayloadFolder folder;
    std::error_code error;
    fs::directory_iterator it(PathOf(path), error), end;
    if (error) Fail(path, "cannot list the folder: " + error.message());
    for (; it != end; it.increment(error)) {
        if (error) Fail(path, "cannot list the folder: " + error.message());
        const std::string name = Utf8Of(it->path().filename());
        const auto status = it->symlink_status();
        if (fs::is_regular_file(status)) {
            folder.files.push_back({name, it->file_size()});
        } else if (fs::is_directory(status)) {
            PayloadFolder child = ListPayloadFolder(Utf8Of(it->path()));
            child.name = name;
            folder.folders.push_back(std::move(child));
        } else {
            folder.others.push_back(name);
        }
    }
    if (error) Fail(path, "cannot list the folder: " + error.message());
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& relative) {
    return Utf8Of((PathOf(folder) / PathOf(relative)).make_preferred());
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(PathOf(path), error);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(PathOf(a), PathOf(b), error);
}

bool IsInside(const std::string& path, const std::string& folder) {
    std::error_code error;
    const fs::path inner = fs::weakly_canonical(PathOf(path), error);
    if (error) return false;
    const fs::path outer = fs::weakly_canonical(PathOf(folder), error);
    if (error) return false;
    // A folder given with a trailing separator ends in an empty element.
    const auto outerEnd = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first;
    return outerEnd == outer.end() || (std::next(outerEnd) == outer.end() && outerEnd->empty());
}

void CreateFolders(const std::string& path) {
    std::error_code error;
    fs::create_directories(PathOf(path), error);
    if (error || !IsFolder(path)) Fail(path, "cannot create the folder" + (error ? ": " + error.message() : ""));
}

void RenameFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(PathOf(from), PathOf(to), error);
    if (error) {  // some runtimes do not replace an existing file
        fs::remove(PathOf(to), error);
        fs::rename(PathOf(from), PathOf(to), error);
    }
    if (error) Fail(to, "cannot replace the file: " + error.message());
}

void RemoveFile(const std::string& path) {
    std::error_code error;
    fs::remove(PathOf(path), error);
}

}  // namespace setuppack
