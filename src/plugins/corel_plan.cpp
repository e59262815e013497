#include "plugins/corel_plan.h"

#include <iterator>

#include "common/path_text.h"

namespace plugins {
namespace {

struct CorelVersion {
    const char* firstKey;
    const char* secondKey;  // nullptr: one key only
    const char* programFolder;
    const char* macroFile;
};

constexpr const char* kSuite11 = "SOFTWARE\\Corel\\Setup\\Corel Graphics Suite 11";
constexpr const char* kStandalone11 = "SOFTWARE\\Corel\\Setup\\CorelDRAW SA 11";
constexpr const char* kSuite16 = "SOFTWARE\\Corel\\Setup\\CorelDRAW Graphics Suite 16";
constexpr const char* kTechnical16 = "SOFTWARE\\Corel\\Setup\\CorelDRAW Technical Suite 16";
constexpr const char* kSuite17 = "SOFTWARE\\Corel\\Setup\\CorelDRAW Graphics Suite 17";
constexpr const char* kTechnical17 = "SOFTWARE\\Corel\\Setup\\CorelDRAW Technical Suite 17";

constexpr CorelVersion kVersions[] = {
    {kSuite11, kStandalone11, "Programs", "VRXCorel11.gms"},
    {"SOFTWARE\\Corel\\Setup\\CorelDRAW Graphics Suite 12", nullptr, "Programs", "VRXCorel12.gms"},
    {"SOFTWARE\\Corel\\Setup\\CorelDRAW Graphics Suite 13", nullptr, "Programs", "VRXCorelX34.gms"},
    {"SOFTWARE\\Corel\\Setup\\CorelDRAW Graphics Suite 14", nullptr, "Programs", "VRXCorelX34.gms"},
    {"SOFTWARE\\Corel\\Setup\\CorelDRAW Graphics Suite 15", nullptr, "Programs", "VRXCorelX5.gms"},
    {kSuite16, kTechnical16, "Programs", "VRXCorelEx.gms"},
    {kSuite16, kTechnical16, "Programs64", "VRXCorelEx64.gms"},
    {kSuite17, kTechnical17, "Programs", "VRXCorelEx.gms"},
    {kSuite17, kTechnical17, "Programs64", "VRXCorelEx64.gms"},
};

// Earlier installations may have left any of these behind.
constexpr const char* kMacroFolderLeftovers[] = {"VRXCorel11.gms",   "VRXCorel12.gms", "VRXCorelEx.gms",
                                                 "VRXCorelEx64.gms", "VRXCorelX5.gms", "VRXCorelX34.gms",
                                                 "VRXCorel.gms"};
constexpr const char* kVersionMacros[] = {"VRXCorel11.gms", "VRXCorel12.gms",  "VRXCorelEx.gms",
                                          "VRXCorelX5.gms", "VRXCorelX34.gms", "VRXCorelEx64.gms"};

const CorelVersion* VersionAt(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kVersions))) return nullptr;
    return &kVersions[index];
}

struct CorelFolders {
    std::string programs;  // ends in a backslash
    std::string macros;
};

std::string CorelFolderOf(const PluginInputs& inputs) {
    return text::WithBackslash(inputs.installPath, inputs.isLeadByte);
}

// A destination that ends in a backslash gives a doubled one; Windows takes it.
CorelFolders FoldersFromDestination(const std::string& destination, const CorelVersion& version) {
    return {destination + "\\" + version.programFolder + "\\", destination + "\\Draw\\GMS\\"};
}

CorelFolders FoldersUnder(const std::string& corelFolder, const CorelVersion& version) {
    return {corelFolder + version.programFolder + "\\", corelFolder + "Draw\\GMS\\"};
}

void Place(shared::Plan& plan, const PluginInputs& inputs, const CorelFolders& folders,
           const CorelVersion& version, bool createMacroFolder) {
    const std::string corel = folders.programs + "VRXCorel\\";
    plan.ExtractProduct(folders.programs, inputs.messages.closeCorelDraw);
    if (createMacroFolder) plan.CreateFolder(folders.macros);
    DropFolder(plan, folders.programs + "VRXCad\\");
    RemoveFiles(plan, folders.macros, kMacroFolderLeftovers);
    RemoveFiles(plan, folders.programs, kVersionMacros);
    plan.CopyFolderFiles(corel, folders.programs);
    plan.CopyOneFile(corel + version.macroFile, folders.macros + "VRXCorel.gms");
    DropFolder(plan, corel);
    // The folder copy brought the version macros along; only the installed one stays.
    RemoveFiles(plan, folders.programs, kVersionMacros);
    PlaceSuppliedFolders(plan, folders.programs, inputs);
    WriteLanguage(plan, folders.programs, inputs);
    plan.SetResult();
}

shared::Plan Stop(const char* message) {
    shared::Plan plan;
    plan.ShowMessageAndStop(message);
    return plan;
}

shared::Plan PlanManual(const PluginInputs& inputs, const CorelFacts& facts, const CorelVersion& version) {
    if (!facts.programFolderExists) return Stop(inputs.messages.pathError);
    const std::string corelFolder = CorelFolderOf(inputs);
    shared::Plan plan;
    plan.CreateFolder(corelFolder + "Draw\\");
    Place(plan, inputs, FoldersUnder(corelFolder, version), version, true);
    return plan;
}

shared::Plan PlanAutomatic(const PluginInputs& inputs, const CorelFacts& facts, const CorelVersion& version) {
    if (!facts.destination) return Stop(inputs.messages.corelDrawMissing);
    const CorelFolders folders = FoldersFromDestination(*facts.destination, version);
    shared::Plan plan;
    plan.CreateFolder(folders.macros);  // CorelDRAW made "Draw" itself
    Place(plan, inputs, folders, version, false);
    return plan;
}

}  // namespace

std::vector<std::string> CorelRegistryKeys(int versionIndex) {
    const CorelVersion* version = VersionAt(versionIndex);
    if (!version) return {};
    if (!version->secondKey) return {version->firstKey};
    return {version->firstKey, version->secondKey};
}

FirstView CorelFirstView(int versionIndex) {
    const CorelVersion* version = VersionAt(versionIndex);
    return version && std::string(version->programFolder) == "Programs64" ? FirstView::Bits64 : FirstView::Bits32;
}

std::string CorelProgramFolderToTest(const PluginInputs& inputs) {
    const CorelVersion* version = VersionAt(inputs.versionIndex);
    return CorelFolderOf(inputs) + (version ? version->programFolder : "Programs");
}

// A version the table does not know has no CorelDRAW to install into.
shared::Plan PlanCorelInstall(const PluginInputs& inputs, const CorelFacts& facts) {
    const CorelVersion* version = VersionAt(inputs.versionIndex);
    if (!version) return Stop(inputs.messages.corelDrawMissing);
    return inputs.findHost ? PlanAutomatic(inputs, facts, *version) : PlanManual(inputs, facts, *version);
}

}  // namespace plugins
