#pragma once
// CRC-32 by carry-less multiplication (PCLMULQDQ), where the processor has it:
// about ten times the speed of tables, which a check of a whole download needs.
#include <cstddef>
#include <cstdint>

namespace payload::detail {

bool CanFoldCrc32();

// Continues the bit-inverted CRC state over size bytes; size is at least 64
// and a multiple of 16. Only where CanFoldCrc32().
uint32_t FoldCrc32(uint32_t state, const unsigned char* bytes, size_t size);

}  // namespace payload::detail
