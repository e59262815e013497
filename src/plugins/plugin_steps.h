#pragma once
// What every plug-in planner is handed, made from the install request, and
// the steps they share once the host's folder is known.
#include <string>

#include "common/lead_byte.h"
#include "shared/install_plan.h"
#include "shared/install_request.h"
#include "shared/message_set.h"

namespace plugins {

struct PluginInputs {
    std::string installPath;  // as typed or browsed in the path dialog
    bool findHost = false;    // look the host up in the registry
    int versionIndex = -1;    // row of the path dialog's version list
    shared::LanguageIndex language{0};
    shared::LanguageCode languageCode;
    std::string setupFolder;  // holds the supplied folders; ends in a backslash
    shared::MessageSet messages{};
    text::LeadByteTest isLeadByte = text::NoLeadBytes;
};

PluginInputs PluginInputsFor(const shared::InstallRequest& request, const std::string& setupFolder,
                             text::LeadByteTest isLeadByte);

// Empties a folder the installation does not keep and removes it when it is
// then empty (a sub-folder keeps it).
void DropFolder(shared::Plan& plan, const std::string& folder);

// The language, resources and configuration folders under target, filled one
// level deep from the setup folder, and the language written into the settings.
void PlaceSuppliedFolders(shared::Plan& plan, const std::string& target, const PluginInputs& inputs);
void WriteLanguage(shared::Plan& plan, const std::string& target, const PluginInputs& inputs);

// Deletes each name from folder, in the order given.
template <size_t N>
void RemoveFiles(shared::Plan& plan, const std::string& folder, const char* const (&names)[N]) {
    for (const char* name : names) plan.RemoveFile(folder + name);
}

}  // namespace plugins
