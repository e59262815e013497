#include "app/setup_config_win32.h"

#include <vector>

#include "shared/profile_file_win32.h"

namespace app {

void LoadSetupConfig(const std::string& path, std::string& productName, int& languageCode) {
    shared::ProfileFile profile(path);
    std::vector<std::string> keys;
    profile.ListKeyNames(kSetupConfigSection, &keys);
    for (const std::string& key : keys) {
        if (key == kProductNameKey) {
            productName = profile.ReadString(kSetupConfigSection, kProductNameKey, "BeamDraft");
        } else if (key == kLanguageKey) {
            languageCode = ParseDecimal(profile.ReadString(kSetupConfigSection, kLanguageKey, "0"));
        }
    }
}

}  // namespace app
