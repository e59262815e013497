// Folding four 128-bit lanes at a time, then one, then a Barrett reduction,
// with the bit-reflected constants for the polynomial 0xEDB88320 (Gopal et al.,
// "Fast CRC Computation for Generic Polynomials Using PCLMULQDQ", Intel 2009).
#include "payload/crc32_fold.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace payload::detail {
namespace {

#define FOLD_TARGET __attribute__((target("pclmul,sse2")))

FOLD_TARGET __m128i Load(const unsigned char* bytes) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
}

// lane * high and low half of k, added to next.
FOLD_TARGET __m128i Fold(__m128i lane, __m128i k, __m128i next) {
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(lane, k, 0x00), _mm_clmulepi64_si128(lane, k, 0x11)),
                         next);
}

}  // namespace

bool CanFoldCrc32() { return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse2"); }

FOLD_TARGET uint32_t FoldCrc32(uint32_t state, const unsigned char* bytes, size_t size) {
    const __m128i k1k2 = _mm_set_epi64x(0x01c6e41596, 0x0154442bd4);
    const __m128i k3k4 = _mm_set_epi64x(0x00ccaa009e, 0x01751997d0);
    const __m128i k5 = _mm_set_epi64x(0, 0x0163cd6124);
    const __m128i poly = _mm_set_epi64x(0x01f7011641, 0x01db710641);
    const __m128i low32 = _mm_setr_epi32(~0, 0, ~0, 0);

    __m128i x1 = _mm_xor_si128(Load(bytes), _mm_cvtsi32_si128(static_cast<int>(state)));
    __m128i x2 = Load(bytes + 16), x3 = Load(bytes + 32), x4 = Load(bytes + 48);
    for (bytes += 64, size -= 64; size >= 64; bytes += 64, size -= 64) {
        x1 = Fold(x1, k1k2, Load(bytes));
        x2 = Fold(x2, k1k2, Load(bytes + 16));
        x3 = Fold(x3, k1k2, Load(bytes + 32));
        x4 = Fold(x4, k1k2, Load(bytes + 48));
    }
    x1 = Fold(Fold(Fold(x1, k3k4, x2), k3k4, x3), k3k4, x4);
    for (; size >= 16; bytes += 16, size -= 16) x1 = Fold(x1, k3k4, Load(bytes));

    // 128 bits to 64, then Barrett's reduction to 32.
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, k3k4, 0x10));
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, low32), k5, 0x00), _mm_srli_si128(x1, 4));
    __m128i x2r = _mm_clmulepi64_si128(_mm_and_si128(x1, low32), poly, 0x10);
    x2r = _mm_clmulepi64_si128(_mm_and_si128(x2r, low32), poly, 0x00);
    x1 = _mm_xor_si128(x1, x2r);
    return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(x1, 4)));
}

}  // namespace payload::detail

#else

namespace payload::detail {

bool CanFoldCrc32() { return false; }
uint32_t FoldCrc32(uint32_t state, const unsigned char*, size_t) { return state; }

}  // namespace payload::detail

#endif
