#pragma once
// What the install worker hands a plug-in installer, for the plan tests.
#include <string>

#include "install/message_set.h"
#include "plugins/plugin_steps.h"

namespace plugins {

struct InputsFor {
    std::string installPath;
    int autoFlag = 0;
    int versionIndex = -1;
    int languageIndex = 2;

    // Supplied folders in E:\Dist\; messages and LanguageCode by the language row.
    PluginInputs Make() const {
        PluginInputs inputs;
        inputs.installPath = installPath;
        inputs.autoFlag = autoFlag;
        inputs.versionIndex = versionIndex;
        inputs.languageIndex = languageIndex;
        inputs.languageCode = install::LanguageCodeFor(languageIndex);
        inputs.setupFolder = "E:\\Dist\\";
        inputs.messages = install::MessageSetFor(languageIndex);
        return inputs;
    }
};

}  // namespace plugins
