#include "app/startup_win32.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_dialog_win32.h"
#include "app/setup_config.h"
#include "app/setup_config_win32.h"
#include "win/file_win32.h"
#include "win/text_win32.h"

namespace app {

void RestrictDllSearchToSystemFolder() {
    // Looked up at run time: older systems lack these and must still start.
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return;
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    auto setDllDirectory = reinterpret_cast<SetDllDirectoryFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDllDirectoryW")));
    if (setDefault != nullptr) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (setDllDirectory != nullptr) setDllDirectory(L"");  // drops the current folder
}

int RunSetupProgram() {
    RestrictDllSearchToSystemFolder();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);

    SetupConfig config;
    std::string setupFolder = SetupFolderOf(win::OwnExecutablePath(), win::AnsiLeadByte);
    LoadSetupConfig(setupFolder + kSetupConfigFileName, config.productName, config.languageCode);

    CommandSeams seams;
    seams.install.setupFolder = setupFolder;
    MainDialog dialog(std::move(seams));
    dialog.SetProductName(config.productName);
    dialog.SetLanguageCode({ClampLanguageCode(config.languageCode)});
    dialog.RunModal();
    return 0;
}

}  // namespace app
