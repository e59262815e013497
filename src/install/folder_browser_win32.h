#pragma once
// The shell's folder-browse window. The base shows it and returns the chosen
// folder's file-system path; FolderBrowser preselects a folder and shows the
// selected folder's path in the status line.
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace install {

class FolderBrowserBase {
public:
    // The title comes from the string table; none is shown when it cannot be loaded.
    FolderBrowserBase(HWND owner, PCIDLIST_ABSOLUTE root, UINT titleId);
    virtual ~FolderBrowserBase() = 0;
    // The record points into this object, so it stays where it is.
    FolderBrowserBase(const FolderBrowserBase&) = delete;
    FolderBrowserBase& operator=(const FolderBrowserBase&) = delete;

    // Ignored while the browse window is open.
    void SetFlags(UINT flags);

    // Shows the window and waits for it; true when a folder with a
    // file-system path was chosen. The path is wide: the ANSI one would hide
    // characters the code page lacks.
    bool Browse();
    const std::wstring& Path() const { return path_; }

protected:
    virtual void OnInitialised() {}
    virtual void OnSelectionChanged(PCIDLIST_ABSOLUTE /*item*/) {}
    HWND BrowseWindow() const { return browseWindow_; }

private:
    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data);

    std::string title_;
    BROWSEINFOA info_{};
    char displayName_[MAX_PATH] = {};
    std::wstring path_;
    HWND browseWindow_ = nullptr;
};

class FolderBrowser : public FolderBrowserBase {
public:
    using FolderBrowserBase::FolderBrowserBase;
    void SetInitialFolder(const std::string& folder) { initialFolder_ = folder; }

protected:
    void OnInitialised() override;
    void OnSelectionChanged(PCIDLIST_ABSOLUTE item) override;

private:
    std::string initialFolder_;
};

}  // namespace install
