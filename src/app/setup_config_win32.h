#pragma once
#include <string>

#include "app/setup_config.h"

namespace app {

// Reads "SoftVer" and "Language" of section "SetupCfg" from the profile file at
// path. Key names must match exactly, letter case included; other keys and
// sections are ignored. Changes only what is present; never fails.
void LoadSetupConfig(const std::string& path, std::string& productName, int& languageCode);

}  // namespace app
