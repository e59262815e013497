#include "app/setup_config.h"

#include <climits>

#include "common/path_text.h"

namespace app {

int ParseDecimal(const std::string& text) {
    size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

int ClampLanguageCode(int code) {
    if (code > kOtherLanguage) return kOtherLanguage;
    if (code < kSimplifiedChinese) return kSimplifiedChinese;
    return code;
}

std::string SetupFolderOf(const std::string& executablePath, text::LeadByteTest isLeadByte) {
    return text::FolderOf(executablePath, isLeadByte);
}

}  // namespace app
