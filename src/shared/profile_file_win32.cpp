#include "shared/profile_file_win32.h"

#include <windows.h>

#include <vector>

#include "shared/profile_text.h"
#include "win/text_win32.h"

namespace shared {
namespace {

constexpr size_t kReadStep = 512;

DWORD ToDword(size_t n) { return n > MAXDWORD ? MAXDWORD : static_cast<DWORD>(n); }

}  // namespace

void ProfileFile::SetPath(const char* path) {
    if (path != nullptr) {
        path_ = path;
    } else if (path_) {
        path_->clear();
    }
}

std::string ProfileFile::ReadString(const char* section, const char* key, const char* defaultValue) const {
    const char* fallback = defaultValue ? defaultValue : "";
    if (section == nullptr || key == nullptr) return fallback;
    // A result of size - 1 may mean the value was cut: grow and read again.
    size_t size = kReadStep;
    std::vector<char> buffer(size + 1);
    DWORD length = ::GetPrivateProfileStringA(section, key, fallback, buffer.data(), ToDword(size), Path());
    while (length + 1 >= size) {
        size += kReadStep;
        buffer.assign(size + 1, '\0');
        length = ::GetPrivateProfileStringA(section, key, fallback, buffer.data(), ToDword(size), Path());
    }
    return std::string(buffer.data(), length);
}

bool ProfileFile::WriteString(const char* section, const char* key, const char* value) const {
    if (section == nullptr || key == nullptr) return false;
    return ::WritePrivateProfileStringA(section, key, value ? value : "", Path()) != FALSE;
}

size_t ProfileFile::ReadSectionLines(const char* section, char* buffer, size_t size) const {
    if (section == nullptr) return 0;
    if (buffer != nullptr) return ::GetPrivateProfileSectionA(section, buffer, ToDword(size), Path());
    // Sizing run: a result of size - 2 means the lines did not all fit.
    size_t n = kReadStep;
    std::vector<char> probe(n + 1);
    size_t count = ::GetPrivateProfileSectionA(section, probe.data(), ToDword(n), Path());
    while (count + 2 >= n) {
        n += kReadStep;
        probe.assign(n + 1, '\0');
        count = ::GetPrivateProfileSectionA(section, probe.data(), ToDword(n), Path());
    }
    return count + 2;
}

size_t ProfileFile::ReadKeyNames(const char* section, char* buffer, size_t size) const {
    if (buffer != nullptr) buffer[0] = '\0';
    if (section == nullptr) return 0;
    size_t length = ReadSectionLines(section, nullptr, 0);
    if (length == 0) return 0;
    std::vector<char> lines(length + 1, '\0');
    ReadSectionLines(section, lines.data(), length);
    return PackKeyNames(lines.data(), buffer, size, win::AnsiLeadByte);
}

void ProfileFile::ListKeyNames(const char* section, std::vector<std::string>* list) const {
    if (list == nullptr) return;
    list->clear();
    size_t needed = ReadKeyNames(section, nullptr, 0);
    std::vector<char> names(needed + 1, '\0');
    ReadKeyNames(section, names.data(), needed);
    auto append = [](const char* item, void* context) {
        static_cast<std::vector<std::string>*>(context)->emplace_back(item);
        return true;
    };
    WalkStringList(names.data(), append, list);
}

}  // namespace shared
