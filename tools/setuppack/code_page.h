#pragma once
// Entry names are stored in a Windows ANSI code page; the file system and the
// console speak UTF-8. Without a code page only ASCII names are accepted.
#include <optional>
#include <string>

#include "payload/archive_format.h"

namespace setuppack {

struct CodePage {
    unsigned number = 0;
    payload::LeadByteTest isLeadByte = payload::NoLeadBytes;
};

std::optional<CodePage> SupportedCodePage(unsigned number);
std::string SupportedCodePages();  // for messages: "936, 1250, 1251, 1252"

bool IsAscii(const std::string& text);

// The stored form of a UTF-8 name; nullopt when it cannot be stored exactly.
std::optional<std::string> StoredName(const std::string& utf8, const std::optional<CodePage>& codePage);

// A stored name as UTF-8 for people and the file system; the bytes as they
// are when there is no code page or they do not convert.
std::string Utf8Name(const std::string& stored, const std::optional<CodePage>& codePage);

}  // namespace setuppack
