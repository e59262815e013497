#pragma once
// The Illustrator plug-in: the product's files into Illustrator's support
// folder and the one module of the chosen version into its plug-ins folder.
#include <string>

#include "plugins/plugin_steps.h"
#include "shared/install_plan.h"

namespace plugins {

// The two folders that make a folder an Illustrator folder, without a trailing backslash.
struct IllustratorFolders {
    std::string contents;  // ...\Support Files\Contents\Windows
    std::string plugins;   // ...\Support Files\Required\Plug-ins
};
IllustratorFolders IllustratorFoldersOf(const PluginInputs& inputs);

struct IllustratorFacts {
    bool contentsExists = false;
    bool pluginsExists = false;
};

shared::Plan PlanIllustratorInstall(const PluginInputs& inputs, const IllustratorFacts& facts);

}  // namespace plugins
