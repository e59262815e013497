#pragma once
// The CorelDRAW plug-in: the macro project of the chosen CorelDRAW generation
// into CorelDRAW's macro folder, the product's files into its program folder.
#include <optional>
#include <string>
#include <vector>

#include "plugins/plugin_steps.h"
#include "plugins/registry_text.h"
#include "shared/install_plan.h"

namespace plugins {

// HKLM keys that may hold "Destination" for the version, in the order tried;
// none for an index outside the version table.
std::vector<std::string> CorelRegistryKeys(int versionIndex);

// The 64-bit rows look for a 64-bit CorelDRAW first, the others for a 32-bit one.
FirstView CorelFirstView(int versionIndex);

// Manual mode: the folder that must exist under the typed path ("...\Programs"
// or "...\Programs64", no trailing backslash).
std::string CorelProgramFolderToTest(const PluginInputs& inputs);

struct CorelFacts {
    std::optional<std::string> destination;  // automatic mode: from the first key that gives it
    bool programFolderExists = false;        // manual mode
};

shared::Plan PlanCorelInstall(const PluginInputs& inputs, const CorelFacts& facts);

}  // namespace plugins
