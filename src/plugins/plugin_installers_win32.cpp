#include "plugins/plugin_installers_win32.h"

#include "plugins/autocad_plan.h"
#include "plugins/corel_plan.h"
#include "plugins/host_probe_win32.h"
#include "plugins/illustrator_plan.h"
#include "plugins/registry_win32.h"

namespace plugins {
namespace {

constexpr const char* kCorelLocationValue = "Destination";

std::optional<std::string> FindCorelDestination(int versionIndex) {
    for (const std::string& key : CorelRegistryKeys(versionIndex)) {
        if (auto destination = ReadRegistryValueInAnyView(HKEY_LOCAL_MACHINE, key, kCorelLocationValue)) {
            return destination;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> FindAutoCadLocations() {
    const std::vector<REGSAM> views = RegistryViews();
    const AutoCadView view32 = FindAutoCadProducts(views.front());
    const AutoCadView view64 = views.size() > 1 ? FindAutoCadProducts(views.back()) : std::nullopt;
    return AutoCadLocations(view32, view64);
}

}  // namespace

void InstallCorelDraw(const PluginInputs& inputs, const install::ExecutorSeams& seams, int& resultFlag) {
    CorelFacts facts;
    if (inputs.autoFlag) {
        facts.destination = FindCorelDestination(inputs.versionIndex);
    } else {
        facts.programFolderExists = IsExistingFolder(CorelProgramFolderToTest(inputs));
    }
    install::ApplyPlan(PlanCorelInstall(inputs, facts), seams, resultFlag);
}

void InstallAutoCad(const PluginInputs& inputs, const install::ExecutorSeams& seams, int& resultFlag) {
    AutoCadFacts facts;
    if (inputs.autoFlag) {
        facts.locations = FindAutoCadLocations();
    } else {
        facts.markerFound = AnythingNamed(AutoCadMarkerToTest(inputs));
    }
    install::ApplyPlan(PlanAutoCadInstall(inputs, facts), seams, resultFlag);
}

void InstallIllustrator(const PluginInputs& inputs, const install::ExecutorSeams& seams, int& resultFlag) {
    const IllustratorFolders folders = IllustratorFoldersOf(inputs);
    IllustratorFacts facts;
    facts.contentsExists = IsExistingFolder(folders.contents);
    facts.pluginsExists = facts.contentsExists && IsExistingFolder(folders.plugins);
    install::ApplyPlan(PlanIllustratorInstall(inputs, facts), seams, resultFlag);
}

}  // namespace plugins
