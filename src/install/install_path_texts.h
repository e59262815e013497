#pragma once
// What the install path dialog shows: its texts in both languages (UTF-8), the
// version list, and which controls the install type lets the user change.
#include <vector>

#include "shared/install_request.h"
#include "shared/language.h"

namespace install {

using shared::InstallType;

struct InstallPathTexts {
    const char* caption;
    const char* versionLabel;
    const char* autoInstall;
    const char* pathLabel;
    const char* browse;
    const char* ok;
    const char* cancel;
};

// Chinese only for Simplified Chinese; the version caption names Illustrator
// for its plug-in and CorelDRAW for every other type.
InstallPathTexts InstallPathTextsFor(shared::LanguageIndex language, InstallType type);

// The version list of a type, its preselected row and the example path
// (empty when the type has none). The row is the version index installers get.
struct VersionChoice {
    const std::vector<const char*>& rows;
    int defaultRow;
    const char* example;
};
VersionChoice VersionChoiceFor(InstallType type);

// Control states when the dialog opens. The version list keeps its state; the
// path box and Browse are enabled exactly while the Auto box is unchecked.
struct InstallPathStates {
    bool versionListEnabled;
    bool autoEnabled;
    bool autoChecked;
};
InstallPathStates InstallPathStatesFor(InstallType type);
inline bool PathEntryEnabled(bool autoChecked) { return !autoChecked; }

constexpr const char* kInitialInstallPath = "C:\\";

}  // namespace install
