#include "support/link_file.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstdint>
#include <cstring>

#include "support/temp_folder.h"
#include "win/text_win32.h"
#include "win/unique_resource_win32.h"

namespace testing_support {
namespace {

// The link format names only 1, 3 and 7 as show commands and the shell reads
// any other back as 1, so the stored value comes from the file header (a
// 32-bit field at offset 0x3C).
int StoredShowCommand(const std::string& linkFile) {
    std::optional<std::string> bytes = ReadBytes(linkFile);
    if (!bytes || bytes->size() < 0x40) return -1;
    int32_t value = 0;
    std::memcpy(&value, bytes->data() + 0x3C, sizeof(value));
    return value;
}

}  // namespace

std::optional<LinkContents> LoadLink(const std::string& linkFile) {
    win::ComApartment apartment;
    win::ComPtr<IShellLinkA> link;
    win::ComPtr<IPersistFile> file;
    LinkContents contents;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(link.put()))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))) ||
        FAILED(file->Load(win::FromAnsi(linkFile).c_str(), STGM_READ))) {
        return std::nullopt;
    }
    char text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, 0);
    contents.target = text;
    text[0] = '\0';
    link->GetDescription(text, MAX_PATH);
    contents.description = text;
    text[0] = '\0';
    link->GetIconLocation(text, MAX_PATH, &contents.iconIndex);
    contents.iconFile = text;
    contents.showCommand = StoredShowCommand(linkFile);
    return contents;
}

}  // namespace testing_support
