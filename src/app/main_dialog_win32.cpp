#include "app/main_dialog_win32.h"

#include "app/main_texts.h"
#include "app/setup_config.h"
#include "driver/driver_command_win32.h"
#include "payload/extract_win32.h"
#include "shared/message_set.h"
#include "win/file_win32.h"
#include "win/text_win32.h"
#include "win/wait_cursor_win32.h"

namespace app {
namespace {

void AppendRow(HWND list, const std::wstring& text) {
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

MainDialog::MainDialog(CommandSeams seams)
    : win::Dialog(IDD_MAIN, nullptr),
      seams_(std::move(seams)),
      icon_(::LoadIconW(win::ResourceModule(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {
    OnCommand(IDC_LANGUAGE_LIST, CBN_SELCHANGE, [this] { OnLanguageChanged(); });
    OnCommand(IDC_INSTALL, BN_CLICKED, [this] { OnInstall(); });
    OnCommand(IDC_USB_DRIVER, BN_CLICKED, [this] { OnUsbDriver(); });
    OnCommand(IDC_DRIVER_HIDDEN, BN_CLICKED, [this] { OnUsbDriver(); });
}

bool MainDialog::OnInitDialog() {
    AddAboutItem();
    ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    ApplyTexts(shared::IsChinese(languageCode_));
    FillTypeList();
    FillLanguageList();
    return true;
}

void MainDialog::AddAboutItem() {
    HMENU systemMenu = ::GetSystemMenu(Handle(), FALSE);
    if (systemMenu == nullptr) return;
    std::wstring text = win::LoadResourceString(IDS_ABOUTBOX);
    if (text.empty()) return;
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void MainDialog::ApplyTexts(bool chinese) {
    const MainWindowTexts& texts = MainWindowTextsFor(chinese);
    SetCaption(win::FromUtf8(texts.caption));
    SetItemText(IDC_TYPE_LABEL, win::FromUtf8(texts.typeLabel));
    SetItemText(IDC_LANGUAGE_LABEL, win::FromUtf8(texts.languageLabel));
    SetItemText(IDC_INSTALL, win::FromUtf8(texts.installButton));
    SetItemText(IDC_USB_DRIVER, win::FromUtf8(texts.usbDriverButton));
}

void MainDialog::FillTypeList() {
    HWND list = Item(IDC_TYPE_LIST);
    AppendRow(list, win::FromAnsi(seams_.install.productName));  // the name comes from an ANSI profile file
    for (const char* row : kPluginTypeRows) AppendRow(list, win::FromUtf8(row));
    ::SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void MainDialog::FillLanguageList() {
    HWND list = Item(IDC_LANGUAGE_LIST);
    for (const char* row : kLanguageRows) AppendRow(list, win::FromUtf8(row));
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(shared::LanguageIndexOf(languageCode_).row), 0);
}

int MainDialog::SelectedRow(int listId) const {
    return static_cast<int>(::SendMessageW(Item(listId), CB_GETCURSEL, 0, 0));
}

void MainDialog::OnLanguageChanged() { ApplyTexts(shared::IsChinese(Language())); }

void MainDialog::OnInstall() {
    // The Type list holds exactly the install types, so a row always names one.
    const std::optional<shared::InstallType> type = shared::InstallTypeOfRow(SelectedRow(IDC_TYPE_LIST));
    if (!type) return;
    install::InstallContext context = seams_.install;
    if (context.setupFolder.empty()) context.setupFolder = SetupFolderOf(win::OwnExecutablePath(), win::AnsiLeadByte);
    const win::MessageSink show = seams_.showMessage ? seams_.showMessage : win::MessageBoxesOver(Handle());
    if (!PayloadIntact(context.extractSource, show)) return;
    install::RunInstallCommand(Handle(), *type, Language(), context, show);
}

void MainDialog::OnUsbDriver() {
    const win::MessageSink show =
        seams_.driver.showMessage ? seams_.driver.showMessage : win::MessageBoxesOver(Handle());
    if (!PayloadIntact(seams_.driver.extractSource, show)) return;
    driver::RunDriverCommand(Handle(), Language(), seams_.driver);
}

// Once per command, before anything is asked or written: a damaged download
// would install damaged files or fail with a misleading message.
bool MainDialog::PayloadIntact(const payload::ExtractSource& source, const win::MessageSink& show) const {
    payload::IntegrityStatus status;
    {
        win::WaitCursor waitCursor;
        status = payload::CheckPayloadIntegrity(source).status;
    }
    if (status != payload::IntegrityStatus::Damaged) return true;
    show(shared::MessageSetFor(Language()).setupDamaged);
    return false;
}

INT_PTR MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    switch (message) {
    case WM_SYSCOMMAND:
        handled = OnSysCommand(wParam);
        return 0;
    case WM_PAINT:
        handled = PaintMinimised();
        return 0;
    case WM_QUERYDRAGICON:
        handled = true;
        return reinterpret_cast<INT_PTR>(icon_);
    default:
        return 0;
    }
}

bool MainDialog::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) return false;
    win::Dialog about(IDD_ABOUTBOX, Handle());
    about.RunModal();
    return true;
}

bool MainDialog::PaintMinimised() {
    if (!::IsIconic(Handle())) return false;
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Handle(), &paint);
    ::SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(Handle(), &client);
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, icon_);
    ::EndPaint(Handle(), &paint);
    return true;
}

}  // namespace app
