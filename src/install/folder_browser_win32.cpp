#include "install/folder_browser_win32.h"

#include "win/dialog_win32.h"
#include "win/unique_resource_win32.h"

namespace install {

namespace {

// Item lists from the shell go back to the shell's allocator.
void FreeItemListOf(PIDLIST_ABSOLUTE items) {
    win::ComPtr<IMalloc> allocator;
    if (SUCCEEDED(::SHGetMalloc(allocator.put()))) allocator->Free(items);
}
using UniqueItemList = win::UniqueResource<win::NullIsInvalid<PIDLIST_ABSOLUTE, FreeItemListOf>>;

std::string LoadAnsiString(UINT id) {
    if (static_cast<int>(id) <= 0) return {};
    char text[1024] = {};
    int length = ::LoadStringA(win::ResourceModule(), id, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
}

}  // namespace

FolderBrowserBase::FolderBrowserBase(HWND owner, PCIDLIST_ABSOLUTE root, UINT titleId) : title_(LoadAnsiString(titleId)) {
    info_.hwndOwner = owner;
    info_.pidlRoot = root;
    info_.pszDisplayName = displayName_;
    info_.lpszTitle = title_.empty() ? nullptr : title_.c_str();
    info_.lpfn = BrowseCallback;
    info_.lParam = reinterpret_cast<LPARAM>(this);
}

FolderBrowserBase::~FolderBrowserBase() = default;

void FolderBrowserBase::SetFlags(UINT flags) {
    if (browseWindow_ == nullptr) info_.ulFlags = flags;
}

bool FolderBrowserBase::Browse() {
    win::ComApartment com;
    UniqueItemList chosen(::SHBrowseForFolderA(&info_));
    bool found = false;
    if (chosen) {
        path_.clear();
        wchar_t path[MAX_PATH] = {};
        if (::SHGetPathFromIDListW(chosen.get(), path)) {
            path_ = path;
            found = true;
        }
    }
    browseWindow_ = nullptr;
    return found;
}

int CALLBACK FolderBrowserBase::BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data) {
    auto* self = reinterpret_cast<FolderBrowserBase*>(data);
    self->browseWindow_ = window;
    if (message == BFFM_INITIALIZED) {
        self->OnInitialised();
    } else if (message == BFFM_SELCHANGED) {
        self->OnSelectionChanged(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
    }
    return 0;
}

void FolderBrowser::OnInitialised() {
    ::SendMessageA(BrowseWindow(), BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(initialFolder_.c_str()));
    ::SendMessageA(BrowseWindow(), BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(initialFolder_.c_str()));
}

void FolderBrowser::OnSelectionChanged(PCIDLIST_ABSOLUTE item) {
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(item, path)) path[0] = L'\0';
    ::SendMessageW(BrowseWindow(), BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
}

}  // namespace install
