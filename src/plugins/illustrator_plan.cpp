#include "plugins/illustrator_plan.h"

#include <iterator>

#include "common/path_text.h"

namespace plugins {
namespace {

// By the row of the version list.
constexpr const char* kModules[] = {
    "VRXPlugin_C5OnlyWin32.aip",  "VRXPlugin_C6Win32.aip",     "VRXPlugin_C6X64.aip",
    "VRXPlugin_CCWin32.aip",      "VRXPlugin_CCX64.aip",       "VRXPlugin_CC2014Win32.aip",
    "VRXPlugin_CC2014X64.aip",    "VRXPlugin_CC2015Win32.aip", "VRXPlugin_CC2015X64.aip",
    "VRXPlugin_CC2017Win32.aip",  "VRXPlugin_CC2017X64.aip",
};

// Every module an installation may have left, this generation's and earlier ones.
constexpr const char* kStaleModules[] = {
    "VRXPlugin_C3OnlyWin32.aip", "VRXPlugin_C4OnlyWin32.aip", "VRXPlugin_C5OnlyWin32.aip",
    "VRXPlugin_C6Win32.aip",     "VRXPlugin_C6X64.aip",       "VRXPlugin_CCWin32.aip",
    "VRXPlugin_CCX64.aip",       "VRXPlugin_CC2014Win32.aip", "VRXPlugin_CC2014X64.aip",
    "VRXPlugin_CC2015Win32.aip", "VRXPlugin_CC2015X64.aip",   "VRXPlugin_CC2017Win32.aip",
    "VRXPlugin_CC2017X64.aip",   "VrxPlugin64.aip",           "VrxPlugin64En.aip",
    "VrxPlugin.aip",             "VrxPluginEn.aip",
};

constexpr const char* kStaleMacros[] = {"VRXCorel11.gms", "VRXCorel12.gms", "VRXCorelEx.gms", "VRXCorelX5.gms"};

void PlaceModule(shared::Plan& plan, int versionIndex, const std::string& moduleFolder,
                 const std::string& pluginsFolder) {
    if (versionIndex < 0 || versionIndex >= static_cast<int>(std::size(kModules))) return;
    const char* module = kModules[versionIndex];
    plan.CopyOneFile(moduleFolder + module, pluginsFolder + module);
}

}  // namespace

IllustratorFolders IllustratorFoldersOf(const PluginInputs& inputs) {
    const std::string folder = text::WithBackslash(inputs.installPath, inputs.isLeadByte);
    return {folder + "Support Files\\Contents\\Windows", folder + "Support Files\\Required\\Plug-ins"};
}

shared::Plan PlanIllustratorInstall(const PluginInputs& inputs, const IllustratorFacts& facts) {
    shared::Plan plan;
    if (!facts.contentsExists || !facts.pluginsExists) {
        plan.ShowMessageAndStop(inputs.messages.pathError);
        return plan;
    }
    const IllustratorFolders folders = IllustratorFoldersOf(inputs);
    const std::string contents = folders.contents + "\\";
    const std::string pluginsFolder = folders.plugins + "\\";
    const std::string moduleFolder = contents + "VRXAi\\";
    plan.ExtractProduct(contents, inputs.messages.closeIllustrator);
    DropFolder(plan, contents + "VRXCad\\");
    DropFolder(plan, contents + "VRXCorel\\");
    RemoveFiles(plan, pluginsFolder, kStaleModules);
    PlaceModule(plan, inputs.versionIndex, moduleFolder, pluginsFolder);
    DropFolder(plan, moduleFolder);
    RemoveFiles(plan, contents, kStaleMacros);
    PlaceSuppliedFolders(plan, contents, inputs);
    WriteLanguage(plan, contents, inputs);
    plan.SetResult();
    return plan;
}

}  // namespace plugins
