// Brightness, darkness and the blending morphs checked against their formulas
// for every input: all 256 levels, all 65536 pairs of bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "skin/gfx/lxEffects.h"

namespace ventro {
namespace {

// A coefficient as a fraction, so that the decimal amounts the skin engine
// uses (0.3, the morph steps of 0.2), which no double holds exactly, tie where
// their decimal values do.
struct Coefficient {
    int Num, Den;
    double Value() const { return double(Num) / Den; }
};

// (1 - k) x + k y, rounded to nearest with ties to even, then clamped. The
// numerator is an exact integer and Den <= 1000, so the double quotient is a
// half exactly when the true value is, and otherwise at least 1/1000 away
// from one: nearbyint rounds it as it would the true value.
int ReferenceMix(int x, int y, Coefficient k)
{
    double v = double((k.Den - k.Num) * x + k.Num * y) / k.Den;
    return std::clamp(int(std::nearbyint(v)), 0, 255);
}

std::string Describe(Coefficient k) { return std::to_string(k.Num) + "/" + std::to_string(k.Den); }

// Bytes 0, 1, 2, ... (wrapping at 256) through the rows of a w x h picture,
// so that the picture's byte i is i mod 256 and the next 256 bytes' i / 256.
PixelBuffer Counting(int32_t w, int32_t h, int shift)
{
    PixelBuffer b(w, h);
    uint32_t i = 0;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w * 3; ++x, ++i)
            b.Row(y)[x] = uint8_t(i >> shift);
    return b;
}

// Pictures 256 pixels wide (rows a multiple of 16 bytes) and 5 pixels wide
// (rows shorter than 16 bytes), each holding every level or every pair.
constexpr int32_t Widths[] = { 256, 5 };

const Coefficient EngineAndOddAmounts[] = { { 1, 2 }, { 3, 10 }, { 0, 1 }, { 1, 1 }, { 1, 10 }, { 1, 5 }, { 1, 4 },
    { 2, 5 }, { 3, 5 }, { 7, 10 }, { 3, 4 }, { 4, 5 }, { 9, 10 }, { 1, 20 }, { 37, 100 }, { 99, 100 }, { 1, 100 },
    { 1, 1000 }, { 1, 3 }, { 2, 3 }, { 1, 7 }, { 5, 8 } };

TEST(MixExactness, BrightnessAndDarknessAtEveryLevel)
{
    for (Coefficient amount : EngineAndOddAmounts)
        for (int32_t w : Widths) {
            const int32_t h = (256 + w * 3 - 1) / (w * 3);
            PixelBuffer bright = Counting(w, h, 0), dark = Counting(w, h, 0);
            Brightness(bright.View(), amount.Value());
            Darkness(dark.View(), amount.Value());
            int wrong = 0;
            for (int32_t y = 0; y < h; ++y)
                for (int32_t i = 0; i < w * 3; ++i) {
                    int c = uint8_t(y * w * 3 + i);
                    if (bright.Row(y)[i] != ReferenceMix(c, 255, amount) && wrong++ == 0)
                        ADD_FAILURE() << "brightness " << Describe(amount) << " of " << c << ": " << int(bright.Row(y)[i]);
                    if (dark.Row(y)[i] != ReferenceMix(c, 0, amount) && wrong++ == 0)
                        ADD_FAILURE() << "darkness " << Describe(amount) << " of " << c << ": " << int(dark.Row(y)[i]);
                }
            EXPECT_EQ(wrong, 0) << Describe(amount) << " width " << w;
        }
}

// Checks a[i] against the reference for the pair (a, b) the counting pictures
// put at byte i, with the coefficient for B that kOf gives for the byte's column.
template <class CoefficientOf>
int CountWrongPairs(const PixelBuffer& mixed, const PixelBuffer& a, const PixelBuffer& b, CoefficientOf kOf)
{
    int wrong = 0;
    for (int32_t y = 0; y < mixed.Height(); ++y)
        for (int32_t i = 0; i < mixed.Width() * 3; ++i) {
            int x = a.Row(y)[i], v = b.Row(y)[i];
            Coefficient k = kOf(i / 3);
            int expected = ReferenceMix(x, v, k);
            if (mixed.Row(y)[i] != expected && wrong++ == 0)
                ADD_FAILURE() << "k = " << Describe(k) << " column " << i / 3 << ", A " << x << ", B " << v << ": got "
                              << int(mixed.Row(y)[i]) << ", expected " << expected;
        }
    return wrong;
}

TEST(MixExactness, BlendOfEveryPair)
{
    Coefficient steps[] = { { 0, 1 }, { 1, 5 }, { 2, 5 }, { 3, 5 }, { 4, 5 }, { 1, 1 } };
    std::vector<Coefficient> all(std::begin(steps), std::end(steps));
    all.insert(all.end(), std::begin(EngineAndOddAmounts), std::end(EngineAndOddAmounts));
    for (int32_t w : Widths) {
        const int32_t h = (65536 + w * 3 - 1) / (w * 3);
        const PixelBuffer a = Counting(w, h, 0), b = Counting(w, h, 8);
        for (Coefficient k : all) {
            PixelBuffer mixed = a;
            MorphBlend(mixed.View(), b.View(), k.Value());
            EXPECT_EQ(CountWrongPairs(mixed, a, b, [k](int) { return k; }), 0) << Describe(k) << " width " << w;
        }
        // A morph stepping k by 0.2 reaches 0.6000000000000001 and 0.8 by sums.
        double k = 0;
        for (int step = 1; step <= 5; ++step) {
            k += 0.2;
            PixelBuffer mixed = a;
            MorphBlend(mixed.View(), b.View(), k);
            EXPECT_EQ(CountWrongPairs(mixed, a, b, [step](int) { return Coefficient { step, 5 }; }), 0) << step;
        }
    }
}

struct PicturePair {
    PixelBuffer A, B;
};

// Every column holds every pair: row y has A = y mod 256 and B = y / 256 in
// all its bytes.
PicturePair EveryPairInEveryColumn(int32_t w)
{
    PicturePair p { PixelBuffer(w, 65536), PixelBuffer(w, 65536) };
    for (int32_t y = 0; y < 65536; ++y)
        for (int32_t i = 0; i < w * 3; ++i) {
            p.A.Row(y)[i] = uint8_t(y);
            p.B.Row(y)[i] = uint8_t(y >> 8);
        }
    return p;
}

// Every column and every row holds every level of A against changing levels of B.
PicturePair EveryLevelInEveryColumn(int32_t w, int32_t h)
{
    PicturePair p { PixelBuffer(w, h), PixelBuffer(w, h) };
    for (int32_t y = 0; y < h; ++y)
        for (int32_t i = 0; i < w * 3; ++i) {
            p.A.Row(y)[i] = uint8_t(y + i / 3);
            p.B.Row(y)[i] = uint8_t(y * 7 + i * 3);
        }
    return p;
}

TEST(MixExactness, SideGradientsMixEveryPairInEveryColumn)
{
    // 40 columns and k = 0.5: ramps of 20 columns, weights in twentieths.
    const PicturePair pairs = EveryPairInEveryColumn(40);
    PixelBuffer left = pairs.A;
    MorphLeftGradient(left.View(), pairs.B.View(), 0.5);
    EXPECT_EQ(CountWrongPairs(left, pairs.A, pairs.B,
                  [](int x) { return x <= 20 ? Coefficient { 20 - x, 20 } : Coefficient { 0, 1 }; }),
        0);

    PixelBuffer right = pairs.A;
    MorphRightGradient(right.View(), pairs.B.View(), 0.5);
    EXPECT_EQ(CountWrongPairs(right, pairs.A, pairs.B,
                  [](int x) { return x >= 20 ? Coefficient { x - 19, 20 } : Coefficient { 0, 1 }; }),
        0);
}

// The centre gradient needs a picture at least as wide as high to run across,
// so its columns cannot hold every pair.
TEST(MixExactness, CentreGradientAcrossAndDown)
{
    // 256 x 256, k = 0.5: band of 128 columns, ramps of 64 (weights in 64ths)
    // from column 64 leftward and column 192 rightward.
    const PicturePair square = EveryLevelInEveryColumn(256, 256);
    PixelBuffer across = square.A;
    MorphGradient(across.View(), square.B.View(), 0.5);
    EXPECT_EQ(CountWrongPairs(across, square.A, square.B,
                  [](int x) {
                      int fromBand = x <= 64 ? 64 - x : x >= 192 ? x - 192 : 0;
                      return Coefficient { 64 - std::min(fromBand, 64), 64 };
                  }),
        0);

    // 86 x 200, k = 0.5: band of 100 rows, ramps of (199 - 100) div 2 = 49
    // rows from row 50 upward and row 150 downward.
    const PicturePair tall = EveryLevelInEveryColumn(86, 200);
    PixelBuffer down = tall.A;
    MorphGradient(down.View(), tall.B.View(), 0.5);
    for (int32_t y = 0; y < 200; ++y) {
        int fromBand = std::min(y <= 50 ? 50 - y : y >= 150 ? y - 150 : 0, 49);
        Coefficient k { 49 - fromBand, 49 };
        int wrong = 0;
        for (int32_t i = 0; i < 86 * 3; ++i)
            wrong += down.Row(y)[i] != ReferenceMix(tall.A.Row(y)[i], tall.B.Row(y)[i], k);
        EXPECT_EQ(wrong, 0) << "row " << y;
    }
}

} // namespace
} // namespace ventro
