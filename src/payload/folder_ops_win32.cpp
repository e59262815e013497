#include "payload/folder_ops_win32.h"

#include <windows.h>

#include <cstdint>
#include <new>
#include <vector>

#include "common/path_text.h"
#include "payload/folder_paths.h"
#include "win/file_win32.h"
#include "win/unique_resource_win32.h"
#include "win/text_win32.h"

namespace payload {
namespace {

std::string BaseOf(const std::string& folder) { return text::WithBackslash(folder, win::AnsiLeadByte); }

// Calls act(file name) for every file directly in the folder, hidden and
// system files included. A folder that does not exist lists nothing.
template <typename Action>
void ForEachFileIn(const std::string& folderBase, Action&& act) {
    WIN32_FIND_DATAA found;
    win::UniqueFind find(::FindFirstFileA(EveryEntryPattern(folderBase).c_str(), &found));
    if (!find) return;
    do {
        if (IsDotsEntry(found.cFileName) || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        act(std::string(found.cFileName));
    } while (::FindNextFileA(find.get(), &found));
}

std::vector<char> WholeFileBuffer(const win::File& file) {
    const uint64_t length = file.Length();
    try {
        if (static_cast<size_t>(length) != length) throw std::bad_alloc();
        return std::vector<char>(static_cast<size_t>(length));
    } catch (const std::bad_alloc&) {
        throw win::FileError("not enough memory to copy", file.Path(), ERROR_NOT_ENOUGH_MEMORY);
    }
}

// One read and one write of the whole file. The source is held exclusively so
// a program that has it open (a running product) makes us pass it over.
void RewriteFile(const std::string& from, const std::string& to) {
    win::File source = win::File::OpenRead(from, win::File::Share::None);
    if (!source.IsOpen()) return;
    // The buffer is got before the target is replaced, so running short of
    // memory ends the command with a file error and leaves the target intact.
    std::vector<char> buffer = WholeFileBuffer(source);
    win::File target = win::File::CreateAlways(to);
    if (!target.IsOpen()) return;
    source.ReadExact(buffer.data(), buffer.size());
    target.Write(buffer.data(), buffer.size());
}

}  // namespace

void CopyFolderFiles(const std::string& source, const std::string& destination) {
    // An empty destination would put the files into the root of the current drive.
    if (source.empty() || destination.empty()) return;
    const std::string from = BaseOf(source);
    const std::string to = BaseOf(destination);
    ForEachFileIn(from, [&](const std::string& name) {
        ::CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    });
}

void RewriteFolderFiles(const std::string& source, const std::string& destination) {
    if (source.empty() || destination.empty()) return;
    const std::string from = BaseOf(source);
    const std::string to = BaseOf(destination);
    ForEachFileIn(from, [&](const std::string& name) { RewriteFile(from + name, to + name); });
}

void EmptyFolder(const std::string& folder) {
    if (folder.empty()) return;
    const std::string base = BaseOf(folder);
    ForEachFileIn(base, [&](const std::string& name) { ::DeleteFileA((base + name).c_str()); });
}

}  // namespace payload
