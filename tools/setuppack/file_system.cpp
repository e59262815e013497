#include "file_system.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "copy_range.h"
#include "errors.h"

namespace fs = std::filesystem;

namespace setuppack {
namespace {

fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

std::string Utf8Of(const fs::path& path) { return path.u8string(); }

[[noreturn]] void Fail(const std::string& path, const std::string& what) { throw FileError(path + ": " + what); }

// Only a regular file is opened: opening a pipe for reading would wait for a writer.
SystemFile OpenRegularFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(fs::status(PathOf(path), error))) Fail(path, "not a readable file");
    SystemFile file = SystemFile::OpenToRead(path);
    if (!file.IsOpen()) Fail(path, "not a readable file");
    return file;
}

}  // namespace

InputFile::InputFile(const std::string& path) : path_(path), file_(OpenRegularFile(path)) {
    const auto length = file_.Length();
    if (!length) Fail(path, "cannot get the file size");
    length_ = *length;
}

void InputFile::ReadAt(uint64_t position, void* buffer, size_t size) {
    if (!file_.ReadAt(position, buffer, size)) Fail(path_, "read failed or the file is shorter than expected");
}

void InputFile::Read(void* buffer, size_t size) {
    ReadAt(position_, buffer, size);
    position_ += size;
}

OutputFile::OutputFile(const std::string& path) : path_(path), file_(SystemFile::CreateToWrite(path)) {
    if (!file_.IsOpen()) Fail(path, "cannot create the file");
}

void OutputFile::Write(const void* buffer, size_t size) {
    if (!file_.Write(buffer, size)) Fail(path_, "write failed");
}

void OutputFile::WriteAt(uint64_t position, const void* buffer, size_t size) {
    if (!file_.WriteAt(position, buffer, size)) Fail(path_, "write failed");
}

void OutputFile::Append(InputFile& source, uint64_t position, uint64_t size, std::vector<char>& buffer,
                        Progress* progress) {
    const CopySteps steps = {
        [&](uint64_t at, size_t piece) { return file_.CopyInKernel(source.file_, at, piece); },
        [&](uint64_t at, char* bytes, size_t piece) { source.ReadAt(at, bytes, piece); },
        [&](const char* bytes, size_t piece) { Write(bytes, piece); },
    };
    CopyRange(steps, position, size, buffer, progress);
}

void OutputFile::Close() {
    if (!file_.Close()) Fail(path_, "write failed when closing");
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
