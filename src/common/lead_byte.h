#pragma once
// ANSI texts (paths, entry names, profile values) may hold double-byte
// characters whose second byte looks like '\\' or '='. Whoever scans such a
// text byte by byte asks a lead-byte test of its code page.
#include <cstddef>
#include <string_view>

namespace text {

using LeadByteTest = bool (*)(unsigned char);

bool NoLeadBytes(unsigned char);  // single-byte code pages
bool GbkLeadByte(unsigned char);  // code page 936

// Where the character after the one at position starts: a lead byte takes
// the byte after it along, unless it is the last byte of the text.
size_t NextCharacter(std::string_view text, size_t position, LeadByteTest isLeadByte);

}  // namespace text
