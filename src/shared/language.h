#pragma once
// The two ways the program names a language: the row of the main window's
// Language list, and the LanguageCode that SetupCfg.ini gives and SoftCfg.ini
// receives. Distinct types, so one is never passed for the other.
namespace shared {

// 0 Simplified Chinese, 1 Traditional Chinese, 2 English, 3 Other; -1: no row selected.
struct LanguageIndex {
    int row = -1;
};

// 1 Simplified Chinese, 2 Traditional Chinese, 3 English, 4 Other.
struct LanguageCode {
    int value = 1;
};

// Rows 0..3 give 1..4; anything else (-1 included) gives 1.
LanguageCode LanguageCodeFor(LanguageIndex index);
// The row that shows a code; codes are clamped to 1..4 at start-up.
LanguageIndex LanguageIndexOf(LanguageCode code);

// Only Simplified Chinese has Chinese texts; every other language reads English.
bool IsChinese(LanguageIndex index);
bool IsChinese(LanguageCode code);

}  // namespace shared
