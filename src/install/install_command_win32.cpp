#include "install/install_command_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "app/busy_dialog_win32.h"
#include "app/main_dialog_win32.h"
#include "app/setup_config.h"
#include "app/window_placement_win32.h"
#include "install/install_path_dialog_win32.h"
#include "install/message_set.h"
#include "install/product_plan.h"
#include "plugins/plugin_installers_win32.h"
#include "win/file_win32.h"
#include "win/message_box_win32.h"
#include "win/text_win32.h"
#include "win/wait_cursor_win32.h"

namespace install {
namespace {

// Rows of the Type list.
constexpr int kProduct = 0;
constexpr int kCorelDraw = 1;
constexpr int kAutoCad = 2;
constexpr int kLastDispatched = 4;  // the Illustrator installer takes 3 and 4

std::optional<std::string> RealShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return std::nullopt;
    return std::string(path);
}

// The environment with every empty field given its production default.
InstallEnvironment Completed(const app::MainDialog& main) {
    InstallEnvironment environment = main.installEnvironment;
    if (!environment.showMessage) environment.showMessage = win::MessageBoxesOver(main.Handle());
    if (environment.setupFolder.empty()) {
        environment.setupFolder = app::SetupFolderOf(win::OwnExecutablePath(), win::AnsiLeadByte);
    }
    if (!environment.shellFolder) environment.shellFolder = RealShellFolder;
    return environment;
}

void InstallProduct(app::MainDialog& main, const InstallEnvironment& environment, const MessageSet& messages,
                    int languageCode) {
    ProductInstallInputs inputs;
    inputs.installPath = main.installPath;
    inputs.productName = main.ProductName();
    inputs.setupFolder = environment.setupFolder;
    inputs.languageCode = languageCode;
    inputs.busyMessage = messages.productBusy;
    inputs.desktopFolder = environment.shellFolder(CSIDL_DESKTOP);
    inputs.programsFolder = environment.shellFolder(CSIDL_PROGRAMS);
    inputs.isLeadByte = win::AnsiLeadByte;
    ApplyPlan(PlanProductInstall(inputs), {environment.showMessage, environment.extractSource}, main.resultFlag);
}

void InstallPlugin(app::MainDialog& main, const InstallEnvironment& environment, int installType,
                   int languageIndex) {
    plugins::PluginInputs inputs;
    inputs.installPath = main.installPath;
    inputs.autoFlag = main.autoFlag;
    inputs.versionIndex = main.versionIndex;
    inputs.languageIndex = languageIndex;
    inputs.languageCode = LanguageCodeFor(languageIndex);
    inputs.setupFolder = environment.setupFolder;
    inputs.messages = MessageSetFor(languageIndex);
    inputs.isLeadByte = win::AnsiLeadByte;
    const ExecutorSeams seams{environment.showMessage, environment.extractSource};
    if (installType == kCorelDraw) {
        plugins::InstallCorelDraw(inputs, seams, main.resultFlag);
    } else if (installType == kAutoCad) {
        plugins::InstallAutoCad(inputs, seams, main.resultFlag);
    } else {
        plugins::InstallIllustrator(inputs, seams, main.resultFlag);
    }
}

}  // namespace

void RunInstallWorker(app::MainDialog& main) {
    main.resultFlag = 0;
    const int languageIndex = main.LanguageIndex();
    const MessageSet& messages = MessageSetFor(languageIndex);
    const InstallEnvironment environment = Completed(main);
    const int installType = main.InstallType();
    const int languageCode = LanguageCodeFor(languageIndex);
    if (installType == kProduct) {
        InstallProduct(main, environment, messages, languageCode);
    } else if (installType >= kCorelDraw && installType <= kLastDispatched) {
        InstallPlugin(main, environment, installType, languageIndex);
    }
}

void RunInstallCommand(app::MainDialog& main) {
    const int languageIndex = main.LanguageIndex();
    const int installType = main.InstallType();
    InstallPathDialog pathDialog(main.Handle());
    pathDialog.SetLanguageIndex(languageIndex);
    pathDialog.SetInstallType(installType);
    if (pathDialog.RunModal() != IDOK) return;
    main.autoFlag = pathDialog.AutoFlag();
    main.installPath = pathDialog.InstallPath();
    main.versionIndex = pathDialog.VersionIndex();

    const app::Point centre = app::CentreOf(app::ScreenRectOf(main.Handle()));
    win::WaitCursor waitCursor;
    app::BusyDialog busy(main.Handle());
    main.resultFlag = 0;
    busy.centre = centre;
    busy.SetTask([&main](HWND) { RunInstallWorker(main); });
    busy.Run();
    if (main.resultFlag == 1) Completed(main).showMessage(SuccessMessageFor(languageIndex));
}

}  // namespace install
