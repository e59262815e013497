#include "shared/shortcut_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include "win/unique_resource_win32.h"

namespace shared {
namespace {

// The shell's save call takes a fixed wide path of MAX_PATH characters.
constexpr int kLinkPathCapacity = MAX_PATH;

HRESULT SaveLink(IShellLinkA* link, const std::string& linkFile) {
    win::ComPtr<IPersistFile> file;
    HRESULT result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()));
    if (FAILED(result)) return result;
    wchar_t path[kLinkPathCapacity];
    // A path that does not fit leaves the buffer without its terminator: save nothing.
    if (::MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, path, kLinkPathCapacity) == 0) {
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    }
    file->Save(path, TRUE);
    return result;
}

HRESULT WriteLink(const std::string& target, const std::string& linkFile, const std::string& description,
                  const std::string* iconFile) {
    win::ComApartment apartment;
    win::ComPtr<IShellLinkA> link;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        reinterpret_cast<void**>(link.put()));
    if (FAILED(result)) return result;
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    if (iconFile != nullptr) link->SetIconLocation(iconFile->c_str(), 0);
    link->SetShowCmd(SW_SHOW);
    return SaveLink(link.get(), linkFile);
}

}  // namespace

HRESULT CreateLink(const std::string& target, const std::string& linkFile, const std::string& description) {
    return WriteLink(target, linkFile, description, nullptr);
}

HRESULT CreateLinkWithIcon(const std::string& target, const std::string& linkFile,
                           const std::string& description, const std::string& iconFile) {
    return WriteLink(target, linkFile, description, &iconFile);
}

}  // namespace shared
