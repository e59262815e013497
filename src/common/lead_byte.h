#pragma once
// ANSI texts (paths, entry names, profile values) may hold double-byte
// characters whose second byte looks like '\\' or '='. Whoever scans such a
// text byte by byte asks a lead-byte test of its code page.
namespace text {

using LeadByteTest = bool (*)(unsigned char);

bool NoLeadBytes(unsigned char);  // single-byte code pages
bool GbkLeadByte(unsigned char);  // code page 936

}  // namespace text
