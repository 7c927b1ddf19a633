// Mixing rows of bytes with fixed-point weights.
//
// A mix is q = a * wa + b * wb with wa + wb = 2^16, rounded to the nearest
// integer with ties to even. The rounded weights put q at most 127.5 units
// away from the exact value, so a result within 128 units (1/512) of a half is
// taken as a tie: every true tie is seen, and parameters with up to two
// decimals (0.3, 0.25, the morph steps of 0.2) round exactly as their decimal
// values would. A weight of exactly 1 is kept as 65535 (with 1 for the other
// picture), which moves q by less than 256 units, far from any tie.
//
// For speed q is rewritten as 2^16 * base + (other - base) * m, where base is
// the picture with the larger weight and m <= 2^15. The product then fits a
// signed 16 x 16 -> 32-bit multiply whose high half is q's integer part less
// base and whose low half is q's fraction, eight of them per SSE2 instruction
// pair. With one weight for all bytes, the 511 possible differences
// other - base tell in advance whether any result can land in the tie window;
// many weights (the morph steps of 0.2 among them) never do, and then plain
// rounding half up is exact and cheaper. Equal weights are a byte average.
// Mixing with a level (brightness, darkness) has only 256 inputs, so the
// exact results are tabled once per mixer and a rule of one unsigned multiply
// with an 8-bit fraction, a third of the work, is used when it reproduces the
// table (about 19 weights in 20 of those that can tie).
// Weights that differ per byte use the form 2^16 * b + (a - b) * wa instead,
// which needs no choice of base per lane.
#include "skin/gfx/lxMix.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VENTRO_MIX_SSE2 1
#endif

namespace ventro {
namespace {

constexpr int FixedBits = 16;
constexpr uint32_t FixedOne = 1u << FixedBits;
constexpr uint32_t FixedHalf = FixedOne >> 1;
constexpr uint32_t FixedMask = FixedOne - 1;
constexpr uint32_t TieLow = FixedHalf - 128, TieHigh = FixedHalf + 128;
// Below this m, |other - base| * m < TieLow: every result is the base.
constexpr uint16_t BaseOnlyBelow = 128;

inline uint8_t RoundFixed(uint32_t q)
{
    uint32_t whole = q >> FixedBits;
    uint32_t frac = q & FixedMask;
    bool tie = frac >= TieLow && frac <= TieHigh;
    whole += tie ? (whole & 1u) : uint32_t(frac > FixedHalf);
    return uint8_t(whole > 255 ? 255 : whole);
}

// The fraction of q for a difference e = base - other.
uint32_t FracOf(int32_t e, uint16_t m) { return uint32_t(-e * int32_t(m)) & FixedMask; }

#ifdef VENTRO_MIX_SSE2
// Rounds eight values whole + frac / 2^16 (whole < 256) as RoundFixed does:
// up when frac >= 32897, or >= 32640 (the tie window) for an odd whole, so
// the threshold is 32897 - 257 * odd. Bits 0 and 8 of whole * 257 are both
// the parity.
inline __m128i RoundLanes(__m128i whole, __m128i frac)
{
    __m128i odd257 = _mm_and_si128(_mm_mullo_epi16(whole, _mm_set1_epi16(257)), _mm_set1_epi16(0x101));
    __m128i threshold = _mm_sub_epi16(_mm_set1_epi16(int16_t(TieHigh + 1)), odd257);
    __m128i up = _mm_cmpeq_epi16(_mm_subs_epu16(threshold, frac), _mm_setzero_si128());
    return _mm_sub_epi16(whole, up);
}

// Eight exact mixes in 16-bit lanes. negM holds -m (m = 2^15 wraps to -2^15,
// still exact); e = base - other, so e * negM = (other - base) * m.
inline __m128i MixLanesGeneral(__m128i base, __m128i e, __m128i negM)
{
    __m128i frac = _mm_mullo_epi16(e, negM);
    return RoundLanes(_mm_add_epi16(base, _mm_mulhi_epi16(e, negM)), frac);
}

// The same where no fraction lies in the tie window: round half up.
inline __m128i MixLanesNoTies(__m128i base, __m128i e, __m128i negM)
{
    __m128i whole = _mm_add_epi16(base, _mm_mulhi_epi16(e, negM));
    return _mm_sub_epi16(whole, _mm_srai_epi16(_mm_mullo_epi16(e, negM), 15));
}

template <bool BaseIsA, class Lanes>
inline __m128i MixUniform16(__m128i a, __m128i b, __m128i negM, Lanes lanes)
{
    const __m128i zero = _mm_setzero_si128();
    auto half = [&](__m128i a16, __m128i b16) {
        return BaseIsA ? lanes(a16, _mm_sub_epi16(a16, b16), negM) : lanes(b16, _mm_sub_epi16(b16, a16), negM);
    };
    __m128i lo = half(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
    __m128i hi = half(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
    return _mm_packus_epi16(lo, hi);
}

// Equal weights: (a + b) / 2, a tie exactly when a + b is odd. The byte
// average rounds ties up; an odd result then goes down to the even one.
inline __m128i MixHalf16(__m128i a, __m128i b)
{
    __m128i avg = _mm_avg_epu8(a, b);
    __m128i down = _mm_and_si128(_mm_and_si128(_mm_xor_si128(a, b), avg), _mm_set1_epi8(1));
    return _mm_sub_epi8(avg, down);
}

// Per-lane weights wa for a, as q = 2^16 * b + (a - b) * wa, which holds for
// every weight pair (wa = 0 gives 2^16 * b instead of 65535 * b, rounding to b
// alike). The signed multiply reads a weight of 2^15 or more as wa - 2^16, so
// a - b is added back to the high half there (waHigh all ones).
inline __m128i MixPerLane16(__m128i a, __m128i b, __m128i waLo, __m128i waHi, __m128i waHighLo, __m128i waHighHi)
{
    const __m128i zero = _mm_setzero_si128();
    auto half = [](__m128i a16, __m128i b16, __m128i wa, __m128i waHigh) {
        __m128i d = _mm_sub_epi16(a16, b16);
        __m128i whole = _mm_add_epi16(_mm_add_epi16(b16, _mm_mulhi_epi16(d, wa)), _mm_and_si128(d, waHigh));
        return RoundLanes(whole, _mm_mullo_epi16(d, wa));
    };
    __m128i lo = half(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), waLo, waHighLo);
    __m128i hi = half(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), waHi, waHighHi);
    return _mm_packus_epi16(lo, hi);
}

// LevelMixer's short rule on eight values X + (c << 8).
template <bool AddD>
inline __m128i ShortRuleLanes(__m128i v, __m128i k, __m128i d)
{
    __m128i q = _mm_mulhi_epu16(v, k);
    if (AddD)
        q = _mm_add_epi16(q, d);
    __m128i odd = _mm_and_si128(_mm_srli_epi16(q, 8), _mm_set1_epi16(1));
    return _mm_srli_epi16(_mm_add_epi16(q, odd), 8);
}

inline __m128i Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline void Store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
#endif

// Where the second picture's bytes come from: a row, or one level for all.
struct SecondRow {
    const uint8_t* Bytes;
    uint8_t Level;
};

// a[i] = kernel(a[i], b[i]) 16 bytes at a time, the rest one by one. With a
// level, its vector is loop-invariant and the compiler hoists its unpacking.
template <bool IsLevel, class Kernel>
void MixLoop(uint8_t* __restrict a, SecondRow b, size_t n, MixWeight w, [[maybe_unused]] Kernel kernel)
{
    const uint8_t* __restrict bytes = b.Bytes;
    size_t i = 0;
#ifdef VENTRO_MIX_SSE2
    const __m128i level = _mm_set1_epi8(char(b.Level));
    for (; i + 16 <= n; i += 16)
        Store(a + i, kernel(Load(a + i), IsLevel ? level : Load(bytes + i)));
#endif
    for (; i < n; ++i)
        a[i] = MixOne(a[i], IsLevel ? b.Level : bytes[i], w);
}

template <bool IsLevel>
void MixShaped(uint8_t* a, SecondRow b, size_t n, MixWeight w, RowMixer::Shape shape)
{
    using Shape = RowMixer::Shape;
    if (shape == Shape::Base) {
        if (w.BaseIsA)
            return;
        if (IsLevel)
            std::memset(a, b.Level, n);
        else if (a != b.Bytes)
            std::memcpy(a, b.Bytes, n);
        return;
    }
#ifdef VENTRO_MIX_SSE2
    const __m128i negM = _mm_set1_epi16(int16_t(-int32_t(w.M)));
    auto uniform = [&](auto baseIsA, auto lanes) {
        MixLoop<IsLevel>(a, b, n, w, [negM, lanes](__m128i va, __m128i vb) {
            return MixUniform16<decltype(baseIsA)::value>(va, vb, negM, lanes);
        });
    };
    auto general = [](__m128i base, __m128i e, __m128i m) { return MixLanesGeneral(base, e, m); };
    auto noTies = [](__m128i base, __m128i e, __m128i m) { return MixLanesNoTies(base, e, m); };
    using AIsBase = std::true_type;
    using BIsBase = std::false_type;
    if (shape == Shape::Half)
        MixLoop<IsLevel>(a, b, n, w, [](__m128i va, __m128i vb) { return MixHalf16(va, vb); });
    else if (shape == Shape::NoTies)
        w.BaseIsA ? uniform(AIsBase(), noTies) : uniform(BIsBase(), noTies);
    else
        w.BaseIsA ? uniform(AIsBase(), general) : uniform(BIsBase(), general);
#else
    MixLoop<IsLevel>(a, b, n, w, 0);
#endif
}

} // namespace

uint16_t MixFixed(double w)
{
    w = w > 0 ? (w < 1 ? w : 1.0) : 0.0;
    return uint16_t(std::min(std::nearbyint(w * FixedOne), double(FixedOne - 1)));
}

uint16_t MixComplement(uint16_t w) { return uint16_t(w == 0 ? FixedOne - 1 : FixedOne - w); }

MixWeight SplitWeight(uint16_t wa)
{
    // wa = 0 stands for b * 65535, which rounds to b for every b, as does
    // 2^16 * b; every other weight pair sums to 2^16 exactly.
    if (wa <= FixedHalf)
        return { wa, false };
    return { uint16_t(FixedOne - wa), true };
}

uint8_t MixOne(uint8_t a, uint8_t b, MixWeight w)
{
    int32_t base = w.BaseIsA ? a : b, other = w.BaseIsA ? b : a;
    return RoundFixed(uint32_t((base << FixedBits) + (other - base) * int32_t(w.M)));
}

RowMixer::RowMixer(uint16_t wa) : m_weight(SplitWeight(wa)), m_shape(Shape::NoTies)
{
    if (m_weight.M < BaseOnlyBelow) {
        m_shape = Shape::Base;
        return;
    }
    if (m_weight.M == FixedHalf) {
        m_shape = Shape::Half;
        return;
    }
    for (int32_t e = -255; e <= 255; ++e) {
        uint32_t frac = FracOf(e, m_weight.M);
        if (frac >= TieLow && frac <= TieHigh) {
            m_shape = Shape::General;
            return;
        }
    }
}

void RowMixer::Mix(uint8_t* a, const uint8_t* b, size_t n) const
{
    MixShaped<false>(a, { b, 0 }, n, m_weight, m_shape);
}

void RowMixer::MixLevel(uint8_t* a, uint8_t level, size_t n) const
{
    MixShaped<true>(a, { nullptr, level }, n, m_weight, m_shape);
}

uint8_t LevelMixer::ShortRule::Apply(uint8_t c) const
{
    uint16_t q = uint16_t(uint16_t((uint32_t(c) << 8 | X) * K >> 16) + D);
    return uint8_t(uint16_t(q + ((q >> 8) & 1u)) >> 8);
}

// The exact result is (c * wa + level * wb) / 2^16, that is q / 256 with
// q = c * wa / 256 + level * wb / 256. The rule's multiply gives the first
// term; X * K / 2^16 and D add the second plus 127.5, so that a fraction of
// one half lands at 255/256 and the rest clear of it. Flooring and the
// rounded weights can still move a result, so the rule is only used when it
// agrees with the exact mix on all 256 levels; a few neighbouring X are tried.
LevelMixer::LevelMixer(uint16_t wa, uint8_t level) : m_row(wa), m_level(level)
{
    const MixWeight w = m_row.Weight();
    for (int c = 0; c < 256; ++c)
        m_table[c] = MixOne(uint8_t(c), level, w);
    const RowMixer::Shape shape = m_row.GetShape();
    if (shape != RowMixer::Shape::General && shape != RowMixer::Shape::NoTies)
        return; // cheaper already
    const double k = wa, offset = level * double(MixComplement(wa)) / 256 + 127.5;
    const double reach = 255 * k / FixedOne; // the most X can add
    double d = 0;
    if (offset > reach - 1)
        d = std::floor(offset - reach / 2);
    if (d > 65535)
        return;
    const int x0 = int(std::lround((offset - d) * FixedOne / k));
    for (int dx : { 0, -1, 1, -2, 2, -3, 3 }) {
        const int x = x0 + dx;
        if (x < 0 || x > 255)
            continue;
        const ShortRule rule { wa, uint16_t(d), uint8_t(x) };
        bool same = true;
        for (int c = 0; c < 256 && same; ++c)
            same = rule.Apply(uint8_t(c)) == m_table[c];
        if (same) {
            m_rule = rule;
            m_useShort = true;
            return;
        }
    }
}

void LevelMixer::Mix(uint8_t* __restrict a, size_t n) const
{
    if (!m_useShort) {
        m_row.MixLevel(a, m_level, n);
        return;
    }
    size_t i = 0;
#ifdef VENTRO_MIX_SSE2
    const __m128i x = _mm_set1_epi8(char(m_rule.X));
    const __m128i k = _mm_set1_epi16(int16_t(m_rule.K)), d = _mm_set1_epi16(int16_t(m_rule.D));
    auto loop = [&](auto addD) {
        constexpr bool AddD = decltype(addD)::value;
        for (; i + 16 <= n; i += 16) {
            __m128i v = Load(a + i);
            __m128i lo = ShortRuleLanes<AddD>(_mm_unpacklo_epi8(x, v), k, d);
            __m128i hi = ShortRuleLanes<AddD>(_mm_unpackhi_epi8(x, v), k, d);
            Store(a + i, _mm_packus_epi16(lo, hi));
        }
    };
    m_rule.D == 0 ? loop(std::false_type()) : loop(std::true_type());
#endif
    for (; i < n; ++i)
        a[i] = m_table[a[i]];
}

ColumnMixer::ColumnMixer(const std::vector<uint16_t>& byteWeights)
{
    const size_t n = byteWeights.size();
    m_weights.resize(n);
    m_wa.resize(n);
    m_waHigh.resize(n);
    enum { Keep, Copy, Mixed };
    auto kindAt = [&](size_t i) { return m_weights[i].M >= BaseOnlyBelow ? Mixed : m_weights[i].BaseIsA ? Keep : Copy; };
    for (size_t i = 0; i < n; ++i) {
        m_weights[i] = SplitWeight(byteWeights[i]);
        m_wa[i] = int16_t(byteWeights[i]);
        m_waHigh[i] = int16_t(byteWeights[i] >= FixedHalf ? -1 : 0);
    }
    for (size_t start = 0; start < n;) {
        size_t end = start + 1;
        while (end < n && kindAt(end) == kindAt(start))
            ++end;
        if (kindAt(start) != Keep)
            m_runs.push_back({ start, end, kindAt(start) == Copy });
        start = end;
    }
}

void ColumnMixer::Mix(uint8_t* __restrict a, const uint8_t* __restrict b) const
{
    for (const Run& run : m_runs) {
        if (run.Copy) {
            std::memmove(a + run.Start, b + run.Start, run.End - run.Start);
            continue;
        }
        size_t i = run.Start;
#ifdef VENTRO_MIX_SSE2
        const int16_t* wa = m_wa.data();
        const int16_t* waHigh = m_waHigh.data();
        for (; i + 16 <= run.End; i += 16)
            Store(a + i,
                MixPerLane16(Load(a + i), Load(b + i), Load(wa + i), Load(wa + i + 8), Load(waHigh + i),
                    Load(waHigh + i + 8)));
#endif
        for (; i < run.End; ++i)
            a[i] = MixOne(a[i], b[i], m_weights[i]);
    }
}

} // namespace ventro
