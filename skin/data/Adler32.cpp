// Adler-32: a = 1 + sum of bytes, b = sum of the successive a, both mod 65521.
#include "skin/data/Adler32.h"

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VENTRO_ADLER_SSE2 1
#endif

namespace ventro {

namespace {

constexpr uint32_t Base = 65521;
// The most bytes after which b, started below Base, still fits 32 bits.
constexpr size_t MaxRun = 5552;

} // namespace

uint32_t Adler32Bytewise(uint32_t adler, std::span<const uint8_t> bytes)
{
    uint64_t a = (adler & 0xFFFF) % Base;
    uint64_t b = (adler >> 16) % Base;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t end = i + std::min(MaxRun, bytes.size() - i);
        for (; i < end; ++i) {
            a += bytes[i];
            b += a;
        }
        a %= Base;
        b %= Base;
    }
    return uint32_t((b << 16) | a);
}

#ifdef VENTRO_ADLER_SSE2

// Over a block of n bytes from (a, b): a' = a + sum d[i] and
// b' = b + n * a + sum (n - i) * d[i]. Each 16-byte chunk adds its byte sum to
// the lanes of s1 and its weighted sum (weights 16..1) to s2; prefix adds s1 as
// it stood before each chunk, which weighs earlier chunks 16 more per chunk.
uint32_t Adler32(uint32_t adler, std::span<const uint8_t> bytes)
{
    uint64_t a = (adler & 0xFFFF) % Base;
    uint64_t b = (adler >> 16) % Base;
    const uint8_t* p = bytes.data();
    size_t left = bytes.size();
    const __m128i zero = _mm_setzero_si128();
    const __m128i weightsHigh = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i weightsLow = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    while (left >= 16) {
        size_t chunks = std::min(left, MaxRun) / 16;
        __m128i s1 = zero;
        __m128i s2 = zero;
        __m128i prefix = zero;
        for (size_t k = 0; k < chunks; ++k) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k * 16));
            prefix = _mm_add_epi32(prefix, s1);
            s1 = _mm_add_epi32(s1, _mm_sad_epu8(v, zero));
            s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpacklo_epi8(v, zero), weightsHigh));
            s2 = _mm_add_epi32(s2, _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), weightsLow));
        }
        alignas(16) uint32_t l1[4], l2[4], lp[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(l1), s1);
        _mm_store_si128(reinterpret_cast<__m128i*>(l2), s2);
        _mm_store_si128(reinterpret_cast<__m128i*>(lp), prefix);
        uint64_t sum = uint64_t(l1[0]) + l1[2];
        uint64_t weighted = uint64_t(l2[0]) + l2[1] + l2[2] + l2[3];
        uint64_t prefixSum = uint64_t(lp[0]) + lp[2];
        size_t n = chunks * 16;
        b = (b + n * a + 16 * prefixSum + weighted) % Base;
        a = (a + sum) % Base;
        p += n;
        left -= n;
    }
    return Adler32Bytewise(uint32_t((b << 16) | a), { p, left });
}

#else

uint32_t Adler32(uint32_t adler, std::span<const uint8_t> bytes) { return Adler32Bytewise(adler, bytes); }

#endif

} // namespace ventro
