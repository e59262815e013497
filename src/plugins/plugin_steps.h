#pragma once
// What every plug-in installer is handed by the install worker, and the steps
// they share once the host's folder is known.
#include <string>

#include "common/lead_byte.h"
#include "install/install_plan.h"
#include "install/message_set.h"

namespace plugins {

struct PluginInputs {
    std::string installPath;  // as typed or browsed in the path dialog
    int autoFlag = 0;         // 1: look the host up in the registry
    int versionIndex = -1;    // row of the path dialog's version list
    int languageIndex = 0;    // row of the Language list
    int languageCode = 1;
    std::string setupFolder;  // holds the supplied folders; ends in a backslash
    install::MessageSet messages{};
    text::LeadByteTest isLeadByte = text::NoLeadBytes;
};

// Empties a folder the installation does not keep and removes it when it is
// then empty (a sub-folder keeps it).
void DropFolder(install::Plan& plan, const std::string& folder);

// The language, resources and configuration folders under target, filled one
// level deep from the setup folder, and the language written into the settings.
void PlaceSuppliedFolders(install::Plan& plan, const std::string& target, const PluginInputs& inputs);
void WriteLanguage(install::Plan& plan, const std::string& target, const PluginInputs& inputs);

// Deletes each name from folder, in the order given.
template <size_t N>
void RemoveFiles(install::Plan& plan, const std::string& folder, const char* const (&names)[N]) {
    for (const char* name : names) plan.RemoveFile(folder + name);
}

}  // namespace plugins
