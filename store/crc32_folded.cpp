// The checksum by carry-less multiplication: the message is folded sixteen
// bytes at a time, four lanes abreast, into one 16-byte remainder that has
// the same checksum, and that remainder is finished through the tables.
//
// Folding replaces a block A, followed by d bits of message, with
// A_hi * (x^(d+64) mod P) + A_lo * (x^d mod P), which differs from
// A * x^d by a multiple of P and so leaves the checksum unchanged. The
// constants come from GetCRC32: feeding a zero byte multiplies the register
// by x^8 modulo P.
#include "crc32.h"

#if defined(__x86_64__)

#include <immintrin.h>

namespace {

uint32_t powerModP(unsigned bits)
{
    uint32_t r = 1;
    for (unsigned i = 0; i < bits / 8; ++i)
        r = GetCRC32(0, r);
    return r;
}

struct FoldConstants {
    uint64_t k128[2];  // folds across 128 bits: x^128, x^192 mod P
    uint64_t k512[2];  // across 512 bits, for four lanes: x^512, x^576 mod P
};

const FoldConstants &constants()
{
    static const FoldConstants k = {{powerModP(128), powerModP(192)},
                                    {powerModP(512), powerModP(576)}};
    return k;
}

#define CLMUL_TARGET __attribute__((target("pclmul,ssse3,sse4.1")))

CLMUL_TARGET __m128i reversed(__m128i v)
{
    const __m128i mask = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    return _mm_shuffle_epi8(v, mask);
}

// Sixteen message bytes as one 128-bit polynomial, first byte highest.
CLMUL_TARGET __m128i load(const uint8_t *p)
{
    return reversed(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
}

CLMUL_TARGET __m128i fold(__m128i x, __m128i k, __m128i next)
{
    __m128i hi = _mm_clmulepi64_si128(x, k, 0x11);
    __m128i lo = _mm_clmulepi64_si128(x, k, 0x00);
    return _mm_xor_si128(_mm_xor_si128(hi, lo), next);
}

CLMUL_TARGET uint32_t folded(const uint8_t *data, size_t length, uint32_t crc)
{
    const FoldConstants &c = constants();
    const __m128i k128 = _mm_set_epi64x(static_cast<long long>(c.k128[1]), static_cast<long long>(c.k128[0]));
    const __m128i k512 = _mm_set_epi64x(static_cast<long long>(c.k512[1]), static_cast<long long>(c.k512[0]));
    // The register's start value adds to the first four message bytes.
    __m128i x0 = _mm_xor_si128(load(data), _mm_set_epi32(static_cast<int>(crc), 0, 0, 0));
    __m128i x1 = load(data + 16), x2 = load(data + 32), x3 = load(data + 48);
    data += 64;
    length -= 64;
    for (; length >= 64; data += 64, length -= 64) {
        x0 = fold(x0, k512, load(data));
        x1 = fold(x1, k512, load(data + 16));
        x2 = fold(x2, k512, load(data + 32));
        x3 = fold(x3, k512, load(data + 48));
    }
    __m128i x = fold(fold(fold(x0, k128, x1), k128, x2), k128, x3);
    for (; length >= 16; data += 16, length -= 16)
        x = fold(x, k128, load(data));
    alignas(16) uint8_t rest[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(rest), reversed(x));
    return crc32Sliced(data, length, crc32Sliced(rest, sizeof rest, 0));
}

}  // namespace

bool crc32FoldedAvailable()
{
    static const bool available = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("ssse3") &&
                                  __builtin_cpu_supports("sse4.1");
    return available;
}

uint32_t crc32Folded(const uint8_t *data, size_t length, uint32_t crc)
{
    if (length < 64)
        return crc32Sliced(data, length, crc);
    return folded(data, length, crc);
}

#else

bool crc32FoldedAvailable()
{
    return false;
}

uint32_t crc32Folded(const uint8_t *data, size_t length, uint32_t crc)
{
    return crc32Sliced(data, length, crc);
}

#endif
