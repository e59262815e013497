#include "common/lead_byte.h"

namespace text {

bool NoLeadBytes(unsigned char) { return false; }

bool GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

size_t NextCharacter(std::string_view text, size_t position, LeadByteTest isLeadByte) {
    const bool twoBytes = isLeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size();
    return position + (twoBytes ? 2 : 1);
}

}  // namespace text
