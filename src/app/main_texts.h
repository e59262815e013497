#pragma once
// The main window's texts in both languages (UTF-8).
#include <array>

namespace app {

struct MainWindowTexts {
    const char* caption;
    const char* typeLabel;
    const char* languageLabel;
    const char* installButton;
    const char* usbDriverButton;
};

// Only Simplified Chinese selects the Chinese texts; every other language the English ones.
const MainWindowTexts& MainWindowTextsFor(bool chinese);

// Rows after the product name in the Type list, and the Language list's rows.
extern const std::array<const char*, 3> kPluginTypeRows;
extern const std::array<const char*, 4> kLanguageRows;

}  // namespace app
