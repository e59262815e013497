#pragma once
// The installation of the product itself under the folder the user chose.
#include <optional>
#include <string>

#include "common/lead_byte.h"
#include "shared/install_plan.h"
#include "shared/language.h"

namespace install {

struct ProductInstallInputs {
    std::string installPath;    // as typed in the path dialog
    std::string productName;    // names the two product shortcuts
    std::string setupFolder;    // holds the supplied folders; ends in a backslash
    shared::LanguageCode languageCode;
    std::string busyMessage;    // shown when the product's files cannot be written
    // The shell's desktop and programs folders; none when the shell cannot name one.
    std::optional<std::string> desktopFolder;
    std::optional<std::string> programsFolder;
    text::LeadByteTest isLeadByte = text::NoLeadBytes;
};

// install path + "\" unless it ends in one, + "BeamDraft\".
std::string ProductFolderOf(const std::string& installPath, text::LeadByteTest isLeadByte);

shared::Plan PlanProductInstall(const ProductInstallInputs& inputs);

}  // namespace install
