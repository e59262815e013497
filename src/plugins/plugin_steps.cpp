#include "plugins/plugin_steps.h"

namespace plugins {

void DropFolder(install::Plan& plan, const std::string& folder) {
    plan.EmptyFolder(folder);
    plan.RemoveFolder(folder);
}

void PlaceSuppliedFolders(install::Plan& plan, const std::string& target, const PluginInputs& inputs) {
    plan.CreateFolder(target + "VRXLanguage\\");
    plan.CreateFolder(target + "VRXRes\\");
    plan.CreateFolder(target + "VRXCfg\\");
    // The configuration is rewritten so its files come out writable and new.
    plan.RewriteFolderFiles(inputs.setupFolder + "VRXCfg\\", target + "VRXCfg\\");
    plan.CopyFolderFiles(inputs.setupFolder + "VRXLanguage\\", target + "VRXLanguage\\");
    plan.CopyFolderFiles(inputs.setupFolder + "VRXRes\\", target + "VRXRes\\");
}

void WriteLanguage(install::Plan& plan, const std::string& target, const PluginInputs& inputs) {
    plan.WriteProfileKey(target + "VRXCfg\\SoftCfg.ini", "BaseCfg", "Language", std::to_string(inputs.languageCode));
}

}  // namespace plugins
