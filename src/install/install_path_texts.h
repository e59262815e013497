#pragma once
// What the install path dialog shows: its texts in both languages (UTF-8), the
// version list, and which controls the install type lets the user change.
#include <vector>

namespace install {

// The Type list's row in the main window.
enum InstallType : int { kProductInstall = 0, kCorelDrawPlugin = 1, kAutoCadPlugin = 2, kIllustratorPlugin = 3 };

struct InstallPathTexts {
    const char* caption;
    const char* versionLabel;
    const char* autoInstall;
    const char* pathLabel;
    const char* browse;
    const char* ok;
    const char* cancel;
};

// Chinese only for the Simplified Chinese row (0); the version caption names
// Illustrator for its plug-in and CorelDRAW for every other type.
InstallPathTexts InstallPathTextsFor(int languageIndex, int installType);

// The version list of a type, its preselected row and the example path
// (empty when the type has none). The row is the version index installers get.
struct VersionChoice {
    const std::vector<const char*>& rows;
    int defaultRow;
    const char* example;
};
VersionChoice VersionChoiceFor(int installType);

// Control states when the dialog opens. The version list keeps its state; the
// path box and Browse are enabled exactly while the Auto box is unchecked.
struct InstallPathStates {
    bool versionListEnabled;
    bool autoEnabled;
    bool autoChecked;
};
InstallPathStates InstallPathStatesFor(int installType);
inline bool PathEntryEnabled(bool autoChecked) { return !autoChecked; }

constexpr const char* kInitialInstallPath = "C:\\";

}  // namespace install
