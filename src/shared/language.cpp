#include "shared/language.h"

namespace shared {

LanguageCode LanguageCodeFor(LanguageIndex index) {
    return {index.row >= 0 && index.row <= 3 ? index.row + 1 : 1};
}

LanguageIndex LanguageIndexOf(LanguageCode code) { return {code.value - 1}; }

bool IsChinese(LanguageIndex index) { return index.row == 0; }

bool IsChinese(LanguageCode code) { return code.value == 1; }

}  // namespace shared
