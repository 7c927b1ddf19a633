// Mixing rows of bytes with fixed-point weights, the arithmetic behind the
// brightness and darkness effects and the blending morphs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ventro {

// A weight w for the first picture in 1/65536, clamped to 0..1 (NaN counts as
// 0); 1 is kept as 65535. The second picture gets MixComplement(w).
uint16_t MixFixed(double w);
uint16_t MixComplement(uint16_t w);

// A mix a * wa + b * MixComplement(wa), rewritten as
// 2^16 * base + (other - base) * M with M <= 2^15: base is the picture with
// the larger weight.
struct MixWeight {
    uint16_t M;
    bool BaseIsA;
};
MixWeight SplitWeight(uint16_t wa);

// One mixed byte, rounded to the nearest integer with ties to even; results
// within 1/512 of a half count as ties.
uint8_t MixOne(uint8_t a, uint8_t b, MixWeight w);

// Mixes whole rows with one weight for every byte: a[i] = MixOne(a[i], b[i]).
class RowMixer {
public:
    explicit RowMixer(uint16_t wa);
    void Mix(uint8_t* a, const uint8_t* b, size_t n) const;
    // The same with b[i] = level for every byte.
    void MixLevel(uint8_t* a, uint8_t level, size_t n) const;

    // What the weight reduces to for bytes; Base when every result is the
    // base's byte, Half when the weights are equal.
    enum class Shape { Base, Half, NoTies, General };
    Shape GetShape() const { return m_shape; }
    MixWeight Weight() const { return m_weight; }

private:
    MixWeight m_weight;
    Shape m_shape;
};

// Mixes rows with one level for the second picture, a[i] = MixOne(a[i],
// level), as RowMixer::MixLevel does. Where a shorter rule gives the same 256
// results, checked exhaustively when the mixer is made, that rule runs instead.
class LevelMixer {
public:
    LevelMixer(uint16_t wa, uint8_t level);
    void Mix(uint8_t* a, size_t n) const;

    // The shorter rule: q = ((c << 8 | X) * K >> 16) + D in 16 bits, then
    // (q + bit 8 of q) >> 8, which rounds q / 256 half up with a fraction of
    // exactly 255/256 going to the even whole number.
    struct ShortRule {
        uint16_t K, D;
        uint8_t X;
        uint8_t Apply(uint8_t c) const;
    };
    bool UsesShortRule() const { return m_useShort; }
    ShortRule Rule() const { return m_rule; }

private:
    RowMixer m_row;
    uint8_t m_level;
    bool m_useShort = false;
    ShortRule m_rule {};
    uint8_t m_table[256];
};

// Mixes rows whose bytes each have a weight of their own (a weight per
// column, repeated for the three channels). Bytes whose result is always a's
// are skipped and those whose result is always b's are copied.
class ColumnMixer {
public:
    explicit ColumnMixer(const std::vector<uint16_t>& byteWeights);
    void Mix(uint8_t* a, const uint8_t* b) const;

private:
    struct Run {
        size_t Start, End;
        bool Copy; // all results are b's; otherwise mixed
    };
    std::vector<Run> m_runs;
    std::vector<MixWeight> m_weights;
    std::vector<int16_t> m_wa, m_waHigh; // the weights in the vector loop's form
};

} // namespace ventro
