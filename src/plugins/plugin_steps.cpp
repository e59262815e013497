#include "plugins/plugin_steps.h"

namespace plugins {

PluginInputs PluginInputsFor(const shared::InstallRequest& request, const std::string& setupFolder,
                             text::LeadByteTest isLeadByte) {
    PluginInputs inputs;
    inputs.installPath = request.path;
    inputs.findHost = request.findHost;
    inputs.versionIndex = request.versionIndex;
    inputs.language = request.language;
    inputs.languageCode = shared::LanguageCodeFor(request.language);
    inputs.setupFolder = setupFolder;
    inputs.messages = shared::MessageSetFor(request.language);
    inputs.isLeadByte = isLeadByte;
    return inputs;
}

void DropFolder(shared::Plan& plan, const std::string& folder) {
    plan.EmptyFolder(folder);
    plan.RemoveFolder(folder);
}

void PlaceSuppliedFolders(shared::Plan& plan, const std::string& target, const PluginInputs& inputs) {
    plan.CreateFolder(target + "VRXLanguage\\");
    plan.CreateFolder(target + "VRXRes\\");
    plan.CreateFolder(target + "VRXCfg\\");
    // The configuration is rewritten so its files come out writable and new.
    plan.RewriteFolderFiles(inputs.setupFolder + "VRXCfg\\", target + "VRXCfg\\");
    plan.CopyFolderFiles(inputs.setupFolder + "VRXLanguage\\", target + "VRXLanguage\\");
    plan.CopyFolderFiles(inputs.setupFolder + "VRXRes\\", target + "VRXRes\\");
}

void WriteLanguage(shared::Plan& plan, const std::string& target, const PluginInputs& inputs) {
    plan.WriteProfileKey(target + "VRXCfg\\SoftCfg.ini", "BaseCfg", "Language", std::to_string(inputs.languageCode.value));
}

}  // namespace plugins
