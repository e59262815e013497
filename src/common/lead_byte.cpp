#include "common/lead_byte.h"

namespace text {

bool NoLeadBytes(unsigned char) { return false; }

bool GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace text
