#pragma once
// The setup configuration read once at start-up from SetupCfg.ini.
#include <string>

#include "common/lead_byte.h"

namespace app {

struct SetupConfig {
    std::string productName = "BeamDraft";
    int languageCode = 0;  // LanguageCode before clamping
};

// LanguageCode of the interface: 1 Simplified Chinese, 2 Traditional Chinese, 3 English, 4 Other.
enum : int { kSimplifiedChinese = 1, kTraditionalChinese = 2, kEnglish = 3, kOtherLanguage = 4 };

constexpr const char* kSetupConfigFileName = "SetupCfg.ini";
constexpr const char* kSetupConfigSection = "SetupCfg";
constexpr const char* kProductNameKey = "SoftVer";
constexpr const char* kLanguageKey = "Language";

// Decimal conversion as the C library's atoi does it (no digits gives 0);
// saturates instead of overflowing.
int ParseDecimal(const std::string& text);
int ClampLanguageCode(int code);

// The setup folder: the executable's path cut just after its last backslash.
std::string SetupFolderOf(const std::string& executablePath, text::LeadByteTest isLeadByte);

}  // namespace app
