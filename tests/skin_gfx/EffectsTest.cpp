// Effects and morphs: hand-computed pixels from the formulas, and invariants.
#include <gtest/gtest.h>

#include <vector>

#include "skin/gfx/lxEffects.h"

namespace ventro {
namespace {

// A one-row picture whose pixels are grey levels (all three channels alike).
PixelBuffer GreyRow(const std::vector<int>& levels)
{
    PixelBuffer b(int32_t(levels.size()), 1);
    for (size_t x = 0; x < levels.size(); ++x)
        b.SetPixel(int32_t(x), 0, Rgb(uint8_t(levels[x]), uint8_t(levels[x]), uint8_t(levels[x])));
    return b;
}

std::vector<int> Levels(const PixelBuffer& b, int32_t y = 0)
{
    std::vector<int> v;
    for (int32_t x = 0; x < b.Width(); ++x)
        v.push_back(RedOf(b.PixelAt(x, y)));
    return v;
}

PixelBuffer Filled(int32_t w, int32_t h, uint8_t level)
{
    PixelBuffer b(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            b.SetPixel(x, y, Rgb(level, level, level));
    return b;
}

// Columns numbered by their red channel, so moved columns can be traced.
PixelBuffer NumberedColumns(int32_t w, int32_t h, uint8_t base)
{
    PixelBuffer b(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            b.SetPixel(x, y, Rgb(uint8_t(base + x), uint8_t(y), 7));
    return b;
}

TEST(Effects, BrightnessRoundsHalvesToEven)
{
    PixelBuffer b = GreyRow({ 0, 1, 2, 3, 255 });
    Brightness(b.View(), 0.5); // c/2 + 127.5
    EXPECT_EQ(Levels(b), (std::vector<int> { 128, 128, 128, 129, 255 }));

    PixelBuffer q = GreyRow({ 100, 1, 3 });
    Brightness(q.View(), 0.25); // 0.75c + 63.75: 138.75, 64.5, 66
    EXPECT_EQ(Levels(q), (std::vector<int> { 139, 64, 66 }));
}

TEST(Effects, BrightnessAndDarknessClampTheAmount)
{
    PixelBuffer b = GreyRow({ 0, 77, 200 });
    Brightness(b.View(), 1.5);
    EXPECT_EQ(Levels(b), (std::vector<int> { 255, 255, 255 }));
    PixelBuffer d = GreyRow({ 0, 77, 200 });
    Darkness(d.View(), -2.0);
    EXPECT_EQ(Levels(d), (std::vector<int> { 0, 77, 200 }));
    Darkness(d.View(), 7.0);
    EXPECT_EQ(Levels(d), (std::vector<int> { 0, 0, 0 }));
}

TEST(Effects, DarknessUsesTheDecimalAmount)
{
    // 0.7c: 140, 0, 178.5 -> 178, 3.5 -> 4, 10.5 -> 10.
    PixelBuffer b = GreyRow({ 200, 0, 255, 5, 15 });
    Darkness(b.View(), 0.3);
    EXPECT_EQ(Levels(b), (std::vector<int> { 140, 0, 178, 4, 10 }));
}

TEST(Effects, GrayScaleWeightsAndTies)
{
    PixelBuffer b(6, 1);
    b.SetPixel(0, 0, Rgb(255, 255, 255));
    b.SetPixel(1, 0, Rgb(0, 0, 0));
    b.SetPixel(2, 0, Rgb(5, 0, 0));    // 1.5 -> 2
    b.SetPixel(3, 0, Rgb(0, 50, 0));   // 29.5 -> 30
    b.SetPixel(4, 0, Rgb(0, 0, 50));   // 5.5 -> 6
    b.SetPixel(5, 0, Rgb(10, 20, 30)); // 3 + 11.8 + 3.3 = 18.1 -> 18
    GrayScale(b.View());
    const int expected[] = { 255, 0, 2, 30, 6, 18 };
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(b.PixelAt(x, 0), Rgb(uint8_t(expected[x]), uint8_t(expected[x]), uint8_t(expected[x]))) << x;
}

TEST(Effects, InvertFlipsBitsAndTwiceRestores)
{
    PixelBuffer b = NumberedColumns(7, 3, 10);
    PixelBuffer original = b;
    Invert(b.View());
    EXPECT_EQ(b.PixelAt(2, 1), Rgb(255 - 12, 255 - 1, 255 - 7));
    Invert(b.View());
    EXPECT_EQ(b, original);
}

TEST(Effects, NoiseStaysInRangeAndMovesChannelsTogether)
{
    PixelBuffer b = Filled(64, 16, 128);
    PixelBuffer edges = GreyRow({ 0, 255, 10, 250 });
    NoiseGenerator random(42);
    AddNoise(b.View(), 50, random);
    AddNoise(edges.View(), 50, random);
    int lowest = 255, highest = 0;
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 64; ++x) {
            Color c = b.PixelAt(x, y);
            ASSERT_EQ(RedOf(c), GreenOf(c));
            ASSERT_EQ(RedOf(c), BlueOf(c));
            lowest = std::min<int>(lowest, RedOf(c));
            highest = std::max<int>(highest, RedOf(c));
        }
    EXPECT_GE(lowest, 128 - 25);
    EXPECT_LE(highest, 128 + 24);
    EXPECT_LT(lowest, 128 - 15); // 1024 draws reach far into the range
    EXPECT_GT(highest, 128 + 15);

    PixelBuffer again = Filled(64, 16, 128);
    NoiseGenerator same(42);
    AddNoise(again.View(), 50, same);
    EXPECT_EQ(again, b);
}

TEST(Effects, NoiseOfOneOrLessChangesNothing)
{
    PixelBuffer b = NumberedColumns(5, 2, 0), original = b;
    NoiseGenerator random(1);
    AddNoise(b.View(), 1, random);
    AddNoise(b.View(), 0, random);
    AddNoise(b.View(), -5, random);
    EXPECT_EQ(b, original);
}

TEST(Effects, SplitBlurWorksInPlace)
{
    // n = 1 on one row [0, 40, 80]: (0+0+40+40)/4 = 20, then (20+20+80+80)/4 = 50,
    // then (50+50+80+80)/4 = 65, each step reading the pixels already blurred.
    PixelBuffer row = GreyRow({ 0, 40, 80 });
    SplitBlur(row.View(), 1);
    EXPECT_EQ(Levels(row), (std::vector<int> { 20, 50, 65 }));

    PixelBuffer column(1, 3);
    for (int32_t y = 0; y < 3; ++y)
        column.SetPixel(0, y, Rgb(uint8_t(40 * y), uint8_t(40 * y), uint8_t(40 * y)));
    SplitBlur(column.View(), 1);
    EXPECT_EQ(RedOf(column.PixelAt(0, 0)), 20);
    EXPECT_EQ(RedOf(column.PixelAt(0, 1)), 50);
    EXPECT_EQ(RedOf(column.PixelAt(0, 2)), 65);
}

// The blur written literally, pixel by pixel in place.
void ReferenceBlur(PixelBuffer& b, int n)
{
    const int w = b.Width(), h = b.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int up = y - n < 0 ? y : y - n, low = y + n < h ? y + n : y;
            int l = x - n < 0 ? x : x - n, r = x + n < w ? x + n : x;
            uint8_t* out = b.Row(y) + x * 3;
            for (int c = 0; c < 3; ++c)
                out[c] = uint8_t((b.Row(up)[l * 3 + c] + b.Row(low)[l * 3 + c] + b.Row(up)[r * 3 + c]
                                     + b.Row(low)[r * 3 + c])
                    / 4);
        }
}

TEST(Effects, SplitBlurMatchesThePixelByPixelRule)
{
    NoiseGenerator random(7);
    for (int n : { 1, 2, 3, 40 }) {
        for (auto [w, h] : { std::pair { 13, 9 }, { 1, 5 }, { 6, 1 }, { 40, 30 } }) {
            PixelBuffer b(w, h);
            for (int32_t y = 0; y < h; ++y)
                for (int32_t x = 0; x < w * 3; ++x)
                    b.Row(y)[x] = uint8_t(random.Below(256));
            PixelBuffer expected = b;
            ReferenceBlur(expected, n);
            SplitBlur(b.View(), n);
            EXPECT_EQ(b, expected) << "n=" << n << " " << w << "x" << h;
        }
    }
}

TEST(Effects, FlipVertIntoNeedsTheSameSize)
{
    PixelBuffer a = NumberedColumns(4, 3, 0), into(4, 3), other(4, 4);
    FlipVertInto(a.View(), into.View());
    for (int32_t y = 0; y < 3; ++y)
        EXPECT_EQ(into.PixelAt(1, y), a.PixelAt(1, 2 - y));
    PixelBuffer untouched = other;
    FlipVertInto(a.View(), other.View());
    EXPECT_EQ(other, untouched);
}

TEST(Effects, EmptyPicturesAreLeftAlone)
{
    PixelBuffer empty;
    NoiseGenerator random(3);
    for (int e = 0; e <= 5; ++e)
        ApplyInactiveEffect(empty.View(), InactiveEffect(e), random);
    PixelView broken(nullptr, -4, 7, 0);
    Brightness(broken, 0.5);
    SplitBlur(broken, 1);
    for (int k = 0; k <= 6; ++k)
        ApplyMorph(broken, broken, MorphKind(k), 0.5);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(Morphs, BlendEndsAndClamping)
{
    PixelBuffer b = GreyRow({ 21, 23, 200, 0 });
    for (double k : { 0.0, -0.5 }) {
        PixelBuffer a = GreyRow({ 10, 10, 100, 255 });
        MorphBlend(a.View(), b.View(), k);
        EXPECT_EQ(Levels(a), (std::vector<int> { 10, 10, 100, 255 }));
    }
    for (double k : { 1.0, 1.7 }) {
        PixelBuffer a = GreyRow({ 10, 10, 100, 255 });
        MorphBlend(a.View(), b.View(), k);
        EXPECT_EQ(Levels(a), Levels(b));
    }
    PixelBuffer half = GreyRow({ 10, 10, 100, 255 });
    MorphBlend(half.View(), b.View(), 0.5); // 15.5 -> 16, 16.5 -> 16, 150, 127.5 -> 128
    EXPECT_EQ(Levels(half), (std::vector<int> { 16, 16, 150, 128 }));
    PixelBuffer step = GreyRow({ 10, 10, 100, 255 });
    MorphBlend(step.View(), b.View(), 0.2); // 12.2, 12.6, 120, 204
    EXPECT_EQ(Levels(step), (std::vector<int> { 12, 13, 120, 204 }));
}

TEST(Morphs, GradientAcrossAndDown)
{
    PixelBuffer b = Filled(8, 1, 200);
    PixelBuffer a = Filled(8, 1, 100);
    // k = 0.5: band 4, ramp 2, step 0.5, B from column 2 to 6.
    MorphGradient(a.View(), b.View(), 0.5);
    EXPECT_EQ(Levels(a), (std::vector<int> { 100, 150, 200, 200, 200, 200, 200, 150 }));
    // k = 0: band 0, ramp 4, step 0.25, B only at column 4.
    PixelBuffer a0 = Filled(8, 1, 100);
    MorphGradient(a0.View(), b.View(), 0.0);
    EXPECT_EQ(Levels(a0), (std::vector<int> { 100, 125, 150, 175, 200, 175, 150, 125 }));

    // Down (taller than wide), k = 0.5: band 4, ramp (8 - 1 - 4) div 2 = 1, step 1, B in rows 2 to 6.
    PixelBuffer tallA = Filled(1, 8, 100), tallB = Filled(1, 8, 200);
    MorphGradient(tallA.View(), tallB.View(), 0.5);
    const int expected[] = { 100, 100, 200, 200, 200, 200, 200, 100 };
    for (int32_t y = 0; y < 8; ++y)
        EXPECT_EQ(RedOf(tallA.PixelAt(0, y)), expected[y]) << y;
}

TEST(Morphs, SideGradients)
{
    PixelBuffer b = Filled(4, 2, 200);
    PixelBuffer left = Filled(4, 2, 100);
    MorphLeftGradient(left.View(), b.View(), 0.5); // a = 2: weights for A 0, 0.5, 1; column 3 stays A
    EXPECT_EQ(Levels(left, 1), (std::vector<int> { 200, 150, 100, 100 }));
    PixelBuffer right = Filled(4, 2, 100);
    MorphRightGradient(right.View(), b.View(), 0.5); // a = 2, step 0.5 from column 3 leftward
    EXPECT_EQ(Levels(right, 1), (std::vector<int> { 100, 100, 150, 200 }));
}

TEST(Morphs, SlidesAndPushMoveColumns)
{
    PixelBuffer b = NumberedColumns(10, 2, 100);
    PixelBuffer a = NumberedColumns(10, 2, 0);
    MorphLeftSlide(a.View(), b.View(), 0.0); // at least one column of B
    EXPECT_EQ(Levels(a), (std::vector<int> { 109, 1, 2, 3, 4, 5, 6, 7, 8, 9 }));

    PixelBuffer r = NumberedColumns(10, 2, 0);
    MorphRightSlide(r.View(), b.View(), 0.5);
    EXPECT_EQ(Levels(r, 1), (std::vector<int> { 0, 1, 2, 3, 4, 100, 101, 102, 103, 104 }));

    PixelBuffer p = NumberedColumns(10, 2, 0);
    MorphPush(p.View(), b.View(), 0.5); // B's columns 4..9, then A's 0..3
    EXPECT_EQ(Levels(p, 1), (std::vector<int> { 104, 105, 106, 107, 108, 109, 0, 1, 2, 3 }));
    EXPECT_EQ(GreenOf(p.PixelAt(7, 1)), 1);
}

TEST(Morphs, DifferentSizesLeaveTheFirstPictureAlone)
{
    PixelBuffer b(10, 11);
    for (int k = 0; k <= 6; ++k) {
        PixelBuffer a = NumberedColumns(10, 10, 3), original = a;
        ApplyMorph(a.View(), b.View(), MorphKind(k), 0.5);
        EXPECT_EQ(a, original) << k;
    }
}

TEST(Morphs, BlendAndGradientReachBAtOne)
{
    PixelBuffer b = NumberedColumns(12, 5, 100);
    for (MorphKind k : { MorphKind::Default, MorphKind::Gradient }) {
        PixelBuffer a = NumberedColumns(12, 5, 0);
        ApplyMorph(a.View(), b.View(), k, 1.0);
        EXPECT_EQ(a, b) << int(k);
    }
}

} // namespace
} // namespace ventro
