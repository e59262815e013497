#include "payload/integrity.h"

#include <array>

#include "payload/crc32_fold.h"

namespace payload {
namespace {

// Eight tables, so that the sum takes eight bytes a step (about 1 byte a
// cycle), for processors without carry-less multiplication and for the tail.
using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

CrcTables MakeTables() {
    CrcTables tables{};
    for (uint32_t byte = 0; byte < 256; ++byte) {
        uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? crc >> 1 ^ 0xEDB88320u : crc >> 1;
        tables[0][byte] = crc;
    }
    for (uint32_t byte = 0; byte < 256; ++byte)
        for (size_t k = 1; k < 8; ++k) tables[k][byte] = tables[k - 1][byte] >> 8 ^ tables[0][tables[k - 1][byte] & 0xFF];
    return tables;
}

uint32_t Le32(const unsigned char* bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

void PutLe32(unsigned char* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

// a * b modulo the polynomial, both bit-reflected (x^0 is the top bit).
uint32_t MultiplyModPolynomial(uint32_t a, uint32_t b) {
    uint32_t product = 0;
    for (uint32_t bit = 1u << 31; bit != 0; bit >>= 1) {
        if (a & bit) product ^= b;
        b = b & 1 ? b >> 1 ^ 0xEDB88320u : b >> 1;
    }
    return product;
}

}  // namespace

uint32_t Crc32(uint32_t crc, const void* data, size_t size) {
    static const CrcTables tables = MakeTables();
    const auto* bytes = static_cast<const unsigned char*>(data);
    crc = ~crc;
    static const bool canFold = detail::CanFoldCrc32();
    if (canFold && size >= 64) {
        const size_t folded = size & ~size_t{15};
        crc = detail::FoldCrc32(crc, bytes, folded);
        bytes += folded;
        size -= folded;
    }
    for (; size >= 8; bytes += 8, size -= 8) {
        const uint32_t low = Le32(bytes) ^ crc, high = Le32(bytes + 4);
        crc = tables[7][low & 0xFF] ^ tables[6][low >> 8 & 0xFF] ^ tables[5][low >> 16 & 0xFF] ^ tables[4][low >> 24] ^
              tables[3][high & 0xFF] ^ tables[2][high >> 8 & 0xFF] ^ tables[1][high >> 16 & 0xFF] ^ tables[0][high >> 24];
    }
    for (; size > 0; ++bytes, --size) crc = crc >> 8 ^ tables[0][(crc ^ *bytes) & 0xFF];
    return ~crc;
}

// Appending n zero bytes multiplies the first sum by x^(8n); the second adds on.
uint32_t Crc32Combine(uint32_t first, uint32_t second, uint64_t secondLength) {
    uint32_t shift = 1u << 31;        // x^0
    uint32_t power = 1u << (31 - 8);  // x^8: one byte
    for (; secondLength != 0; secondLength >>= 1) {
        if (secondLength & 1) shift = MultiplyModPolynomial(power, shift);
        power = MultiplyModPolynomial(power, power);
    }
    return MultiplyModPolynomial(shift, first) ^ second;
}

IntegrityBlock ReadIntegrityFields(const unsigned char* fields) {
    IntegrityBlock block;
    block.archiveLength = uint64_t{Le32(fields)} | uint64_t{Le32(fields + 4)} << 32;
    block.crc = Le32(fields + 8);
    return block;
}

void WriteIntegrityFields(const IntegrityBlock& block, unsigned char* fields) {
    PutLe32(fields, static_cast<uint32_t>(block.archiveLength));
    PutLe32(fields + 4, static_cast<uint32_t>(block.archiveLength >> 32));
    PutLe32(fields + 8, block.crc);
    PutLe32(fields + 12, 0);
}

}  // namespace payload
