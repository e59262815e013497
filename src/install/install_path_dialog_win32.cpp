#include "install/install_path_dialog_win32.h"

#include "install/folder_browser_win32.h"
#include "install/install_path_texts.h"
#include "res/resource.h"
#include "win/text_win32.h"

namespace install {

namespace {

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;

// The path box is read through the wide API and converted to the ANSI code
// page here only, typed or browsed alike.
std::wstring WideText(HWND control) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

InstallPathDialog::InstallPathDialog(HWND owner, shared::InstallType type, shared::LanguageIndex language)
    : win::Dialog(IDD_INSTALL_PATH, owner) {
    request_.type = type;
    request_.language = language;
    OnCommand(IDC_AUTO_INSTALL, BN_CLICKED, [this] { OnAutoClicked(); });
    OnCommand(IDOK, BN_CLICKED, [this] { OnOk(); });
    OnCommand(IDC_BROWSE, BN_CLICKED, [this] { OnBrowse(); });
}

bool InstallPathDialog::OnInitDialog() {
    SetItemText(IDC_INSTALL_PATH, win::FromAnsi(kInitialInstallPath));
    ApplyTexts();
    FillVersionList();
    ApplyStates();
    return true;
}

void InstallPathDialog::ApplyTexts() {
    const InstallPathTexts texts = InstallPathTextsFor(request_.language, request_.type);
    SetItemText(IDC_VERSION_LABEL, win::FromUtf8(texts.versionLabel));
    SetCaption(win::FromUtf8(texts.caption));
    SetItemText(IDC_AUTO_INSTALL, win::FromUtf8(texts.autoInstall));
    SetItemText(IDC_PATH_LABEL, win::FromUtf8(texts.pathLabel));
    SetItemText(IDC_BROWSE, win::FromUtf8(texts.browse));
    SetItemText(IDOK, win::FromUtf8(texts.ok));
    SetItemText(IDCANCEL, win::FromUtf8(texts.cancel));
}

void InstallPathDialog::FillVersionList() {
    const VersionChoice choice = VersionChoiceFor(request_.type);
    HWND list = Item(IDC_VERSION_LIST);
    for (const char* row : choice.rows) {
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::FromUtf8(row).c_str()));
    }
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(choice.defaultRow), 0);
    SetItemText(IDC_PATH_EXAMPLE, win::FromUtf8(choice.example));
}

void InstallPathDialog::ApplyStates() {
    const InstallPathStates states = InstallPathStatesFor(request_.type);
    ::CheckDlgButton(Handle(), IDC_AUTO_INSTALL, states.autoChecked ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(Item(IDC_AUTO_INSTALL), states.autoEnabled ? TRUE : FALSE);
    EnablePathEntry(PathEntryEnabled(states.autoChecked));
    ::EnableWindow(Item(IDC_VERSION_LIST), states.versionListEnabled ? TRUE : FALSE);
}

void InstallPathDialog::EnablePathEntry(bool enabled) const {
    ::EnableWindow(Item(IDC_INSTALL_PATH), enabled ? TRUE : FALSE);
    ::EnableWindow(Item(IDC_BROWSE), enabled ? TRUE : FALSE);
}

bool InstallPathDialog::AutoChecked() const {
    return ::IsDlgButtonChecked(Handle(), IDC_AUTO_INSTALL) == BST_CHECKED;
}

void InstallPathDialog::OnAutoClicked() {
    EnablePathEntry(PathEntryEnabled(AutoChecked()));
    if (!InstallPathStatesFor(request_.type).versionListEnabled) ::EnableWindow(Item(IDC_VERSION_LIST), FALSE);
}

void InstallPathDialog::OnOk() {
    const std::optional<std::string> path = win::ToAnsiExact(WideText(Item(IDC_INSTALL_PATH)));
    request_.path = path.value_or(std::string());
    request_.pathHeld = path.has_value();
    request_.versionIndex = static_cast<int>(::SendMessageW(Item(IDC_VERSION_LIST), CB_GETCURSEL, 0, 0));
    request_.findHost = AutoChecked();
    EndModal(IDOK);
}

void InstallPathDialog::OnBrowse() {
    FolderBrowser browser(Handle(), nullptr, IDS_SELECT_INSTALL_PATH);
    browser.SetFlags(kBrowseFlags);
    browser.SetInitialFolder("");
    if (browser.Browse()) SetItemText(IDC_INSTALL_PATH, browser.Path());
}

}  // namespace install
