#pragma once
// What a plug-in planner is handed, for the plan tests.
#include <string>

#include "plugins/plugin_steps.h"
#include "shared/message_set.h"

namespace plugins {

struct InputsFor {
    std::string installPath;
    bool findHost = false;
    int versionIndex = -1;
    int languageIndex = 2;

    // Supplied folders in E:\Dist\; messages and LanguageCode by the language row.
    PluginInputs Make() const {
        PluginInputs inputs;
        inputs.installPath = installPath;
        inputs.findHost = findHost;
        inputs.versionIndex = versionIndex;
        inputs.language = shared::LanguageIndex{languageIndex};
        inputs.languageCode = shared::LanguageCodeFor(inputs.language);
        inputs.setupFolder = "E:\\Dist\\";
        inputs.messages = shared::MessageSetFor(inputs.language);
        return inputs;
    }
};

}  // namespace plugins
