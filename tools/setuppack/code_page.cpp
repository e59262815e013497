#include "code_page.h"

#include "platform.h"

namespace setuppack {
namespace {

const CodePage kCodePages[] = {
    {936, payload::GbkLeadByte},
    {1250, payload::NoLeadBytes},
    {1251, payload::NoLeadBytes},
    {1252, payload::NoLeadBytes},
};

}  // namespace

std::optional<CodePage> SupportedCodePage(unsigned number) {
    for (const CodePage& codePage : kCodePages)
        if (codePage.number == number) return codePage;
    return std::nullopt;
}

std::string SupportedCodePages() {
    std::string list;
    for (const CodePage& codePage : kCodePages) list += (list.empty() ? "" : ", ") + std::to_string(codePage.number);
    return list;
}

bool IsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::optional<std::string> StoredName(const std::string& utf8, const std::optional<CodePage>& codePage) {
    if (IsAscii(utf8)) return utf8;
    if (!codePage) return std::nullopt;
    auto stored = Utf8ToCodePage(utf8, codePage->number);
    // Only a name that converts back unchanged is stored exactly.
    if (!stored || CodePageToUtf8(*stored, codePage->number) != utf8) return std::nullopt;
    return stored;
}

std::string Utf8Name(const std::string& stored, const std::optional<CodePage>& codePage) {
    if (IsAscii(stored) || !codePage) return stored;
    return CodePageToUtf8(stored, codePage->number).value_or(stored);
}

}  // namespace setuppack
