#include "plugins/plugin_installers_win32.h"

#include "plugins/autocad_plan.h"
#include "plugins/corel_plan.h"
#include "plugins/host_probe_win32.h"
#include "plugins/illustrator_plan.h"
#include "plugins/registry_win32.h"
#include "win/text_win32.h"

namespace plugins {
namespace {

constexpr const char* kCorelLocationValue = "Destination";

std::optional<std::string> FindCorelDestination(int versionIndex) {
    const FirstView first = CorelFirstView(versionIndex);
    for (const std::string& key : CorelRegistryKeys(versionIndex)) {
        if (auto destination = ReadRegistryValueInAnyView(HKEY_LOCAL_MACHINE, key, kCorelLocationValue, first)) {
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

shared::InstallOutcome InstallCorelDraw(const shared::InstallRequest& request, const std::string& setupFolder,
                                        const shared::ExecutorSeams& seams) {
    const PluginInputs inputs = PluginInputsFor(request, setupFolder, win::AnsiLeadByte);
    CorelFacts facts;
    if (inputs.findHost) {
        facts.destination = FindCorelDestination(inputs.versionIndex);
    } else {
        facts.programFolderExists = IsExistingFolder(CorelProgramFolderToTest(inputs));
    }
    return shared::ApplyPlan(PlanCorelInstall(inputs, facts), seams);
}

shared::InstallOutcome InstallAutoCad(const shared::InstallRequest& request, const std::string& setupFolder,
                                      const shared::ExecutorSeams& seams) {
    const PluginInputs inputs = PluginInputsFor(request, setupFolder, win::AnsiLeadByte);
    AutoCadFacts facts;
    if (inputs.findHost) {
        facts.locations = FindAutoCadLocations();
    } else {
        facts.markerFound = AnythingNamed(AutoCadMarkerToTest(inputs));
    }
    return shared::ApplyPlan(PlanAutoCadInstall(inputs, facts), seams);
}

shared::InstallOutcome InstallIllustrator(const shared::InstallRequest& request, const std::string& setupFolder,
                                          const shared::ExecutorSeams& seams) {
    const PluginInputs inputs = PluginInputsFor(request, setupFolder, win::AnsiLeadByte);
    const IllustratorFolders folders = IllustratorFoldersOf(inputs);
    IllustratorFacts facts;
    facts.contentsExists = IsExistingFolder(folders.contents);
    facts.pluginsExists = facts.contentsExists && IsExistingFolder(folders.plugins);
    return shared::ApplyPlan(PlanIllustratorInstall(inputs, facts), seams);
}

}  // namespace plugins
