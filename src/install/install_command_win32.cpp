#include "install/install_command_win32.h"

#include <shlobj.h>

#include "install/install_path_dialog_win32.h"
#include "install/product_plan.h"
#include "plugins/plugin_installers_win32.h"
#include "shared/busy_dialog_win32.h"
#include "shared/message_set.h"
#include "shared/plan_executor_win32.h"
#include "shared/window_placement_win32.h"
#include "win/text_win32.h"
#include "win/wait_cursor_win32.h"

namespace install {
namespace {

using shared::InstallOutcome;
using shared::InstallRequest;
using shared::InstallType;

std::optional<std::string> RealShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return std::nullopt;
    return std::string(path);
}

InstallOutcome InstallProduct(const InstallRequest& request, const InstallContext& context,
                              const shared::ExecutorSeams& seams) {
    const auto shellFolder = context.shellFolder ? context.shellFolder : RealShellFolder;
    ProductInstallInputs inputs;
    inputs.installPath = request.path;
    inputs.productName = context.productName;
    inputs.setupFolder = context.setupFolder;
    inputs.languageCode = shared::LanguageCodeFor(request.language);
    inputs.busyMessage = shared::MessageSetFor(request.language).productBusy;
    inputs.desktopFolder = shellFolder(CSIDL_DESKTOP);
    inputs.programsFolder = shellFolder(CSIDL_PROGRAMS);
    inputs.isLeadByte = win::AnsiLeadByte;
    return shared::ApplyPlan(PlanProductInstall(inputs), seams);
}

}  // namespace

InstallOutcome RunInstaller(const InstallRequest& request, const InstallContext& context) {
    if (auto refusal = shared::PathRefusal(request)) return *refusal;
    const shared::ExecutorSeams seams{context.extractSource};
    switch (request.type) {
    case InstallType::Product: return InstallProduct(request, context, seams);
    case InstallType::CorelDraw: return plugins::InstallCorelDraw(request, context.setupFolder, seams);
    case InstallType::AutoCad: return plugins::InstallAutoCad(request, context.setupFolder, seams);
    case InstallType::Illustrator: return plugins::InstallIllustrator(request, context.setupFolder, seams);
    }
    return {};
}

void RunInstallCommand(HWND mainWindow, InstallType type, shared::LanguageIndex language,
                       const InstallContext& context, const win::MessageSink& show) {
    InstallPathDialog pathDialog(mainWindow, type, language);
    if (pathDialog.RunModal() != IDOK) return;
    const InstallRequest request = pathDialog.Request();

    const shared::Point centre = shared::CentreOf(shared::ScreenRectOf(mainWindow));
    win::WaitCursor waitCursor;
    shared::BusyDialog busy(mainWindow);
    busy.centre = centre;
    InstallOutcome outcome;
    busy.SetTask([&](HWND) { outcome = RunInstaller(request, context); });
    busy.Run();
    if (outcome.succeeded) {
        show(shared::SuccessMessageFor(request.language));
    } else if (!outcome.message.empty()) {
        show(outcome.message);
    }
}

}  // namespace install
