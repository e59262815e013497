#include "install/product_plan.h"

#include "common/path_text.h"

namespace install {

using shared::Plan;

namespace {

constexpr const char* kSuppliedFolders[] = {"VRXDoc\\", "VRXLanguage\\", "VRXRes\\", "VRXCfg\\"};

std::string LinkFile(const std::string& folder, const std::string& name) { return folder + name + ".lnk"; }

void RemovePluginFolders(Plan& plan, const std::string& productFolder) {
    const std::string cad = productFolder + "VRXCad\\";
    const std::string corel = productFolder + "VRXCorel\\";
    const std::string illustrator = productFolder + "VRXAi\\";
    plan.EmptyFolder(cad);
    plan.EmptyFolder(corel);
    plan.RemoveFolder(cad);
    plan.RemoveFolder(corel);
    plan.EmptyFolder(illustrator);
    plan.RemoveFolder(illustrator);
}

void CopySuppliedFolders(Plan& plan, const std::string& productFolder, const std::string& setupFolder) {
    for (const char* folder : kSuppliedFolders) plan.CreateFolder(productFolder + folder);
    // The configuration is rewritten so its files come out writable and new.
    plan.RewriteFolderFiles(setupFolder + "VRXCfg\\", productFolder + "VRXCfg\\");
    plan.CopyFolderFiles(setupFolder + "VRXDoc\\", productFolder + "VRXDoc\\");
    plan.CopyFolderFiles(setupFolder + "VRXLanguage\\", productFolder + "VRXLanguage\\");
    plan.CopyFolderFiles(setupFolder + "VRXRes\\", productFolder + "VRXRes\\");
}

// A folder the shell cannot name gets no shortcut: its path would fall back
// to the root of the current drive.
void CreateShortcuts(Plan& plan, const ProductInstallInputs& inputs, const std::string& productFolder) {
    const std::string executable = productFolder + "VRXPrograms\\BeamDraft.exe";
    const std::string uninstaller = productFolder + "VRXPrograms\\Uninstall.exe";
    const std::string icon = productFolder + "VRXRes\\title.ico";
    if (inputs.programsFolder) plan.CreateFolder(*inputs.programsFolder + "\\BeamDraft\\");
    if (inputs.desktopFolder) {
        plan.CreateShortcut(LinkFile(*inputs.desktopFolder + "\\", inputs.productName), executable, executable, icon);
    }
    if (inputs.programsFolder) {
        const std::string startMenu = *inputs.programsFolder + "\\BeamDraft\\";
        plan.CreateShortcut(LinkFile(startMenu, inputs.productName), executable, executable, icon);
        plan.CreateShortcut(LinkFile(startMenu, "Uninstall"), uninstaller, uninstaller);
    }
}

}  // namespace

std::string ProductFolderOf(const std::string& installPath, text::LeadByteTest isLeadByte) {
    return text::WithBackslash(installPath, isLeadByte) + "BeamDraft\\";
}

Plan PlanProductInstall(const ProductInstallInputs& inputs) {
    const std::string productFolder = ProductFolderOf(inputs.installPath, inputs.isLeadByte);
    Plan plan;
    plan.CreateFolder(productFolder);
    plan.ExtractProduct(productFolder, inputs.busyMessage);
    RemovePluginFolders(plan, productFolder);
    CopySuppliedFolders(plan, productFolder, inputs.setupFolder);
    plan.WriteProfileKey(productFolder + "VRXCfg\\SoftCfg.ini", "BaseCfg", "Language",
                            std::to_string(inputs.languageCode.value));
    CreateShortcuts(plan, inputs, productFolder);
    plan.SetResult();
    return plan;
}

}  // namespace install
