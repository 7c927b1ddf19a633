// Strips, the nine-piece image, frame bands and mask bands, and the stretch map.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <random>

#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/SkinPieces.h"

#if defined(__SANITIZE_ADDRESS__)
// No single allocation of these tests may exceed 256 MiB: a builder that
// sized a buffer by a skin's numbers instead of its target stops here.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=256"; }
#endif

namespace ventro {
namespace {

// Every pixel different: red = x, green = y, blue = a tag.
PixelBuffer Coordinates(int32_t w, int32_t h, uint8_t tag = 9)
{
    PixelBuffer b(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            b.SetPixel(x, y, Rgb(uint8_t(x), uint8_t(y), tag));
    return b;
}

int SourceX(const PixelBuffer& b, int32_t x, int32_t y) { return RedOf(b.PixelAt(x, y)); }
int SourceY(const PixelBuffer& b, int32_t x, int32_t y) { return GreenOf(b.PixelAt(x, y)); }

TEST(StretchMap, EnlargesByCentresAndShrinksKeepingFirstRowsAndLastColumns)
{
    EXPECT_EQ(StretchMap(2, 5, false), (std::vector<int32_t> { 0, 0, 0, 1, 1 }));
    EXPECT_EQ(StretchMap(2, 5, true), (std::vector<int32_t> { 0, 0, 0, 1, 1 }));
    // Source centres (s + 0.5) * 3 / 7 fall on targets 0 0 1 1 1 2 2.
    EXPECT_EQ(StretchMap(7, 3, false), (std::vector<int32_t> { 1, 4, 6 }));
    EXPECT_EQ(StretchMap(7, 3, true), (std::vector<int32_t> { 0, 2, 5 }));
    EXPECT_EQ(StretchMap(5, 5, false), (std::vector<int32_t> { 0, 1, 2, 3, 4 }));
    EXPECT_TRUE(StretchMap(0, 5, false) == std::vector<int32_t>(5, 0));
    EXPECT_TRUE(StretchMap(5, -1, false).empty());
}

TEST(PixelOps, CopyAndStretchAreClippedToBothPictures)
{
    PixelBuffer src = Coordinates(8, 8), dst(6, 6);
    CopyPixels(dst.View(), -2, -3, src.View(), Rect { 1, 1, 100, 100 });
    EXPECT_EQ(SourceX(dst, 0, 0), 3);
    EXPECT_EQ(SourceY(dst, 0, 0), 4);
    StretchPixels(dst.View(), Rect { -50, -50, 500, 500 }, src.View(), Rect { -10, -10, 30, 30 });
    StretchPixels(dst.View(), Rect { INT32_MIN, 0, INT32_MAX, 5 }, src.View(), Rect { 0, 0, 8, 8 });
    FillPixels(dst.View(), Rect { INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX }, Rgb(1, 2, 3));
    EXPECT_EQ(dst.PixelAt(5, 5), Rgb(1, 2, 3));
}

TEST(Strips, HorizontalTilesFillAnExactMiddleExactly)
{
    // 10 wide: 2 fixed, 6 middle, 2 fixed; 16 = 2 + 2 x 6 + 2, so the third
    // tile would start at the right piece and must draw nothing.
    PixelBuffer src = Coordinates(30, 5);
    PixelBuffer strip;
    BuildHorzStrip(2, 2, strip, src.View(), Rect { 10, 1, 20, 4 }, 16, false);
    ASSERT_EQ(strip.Width(), 16);
    ASSERT_EQ(strip.Height(), 3);
    const int expected[] = { 10, 11, 12, 13, 14, 15, 16, 17, 12, 13, 14, 15, 16, 17, 18, 19 };
    for (int32_t x = 0; x < 16; ++x)
        EXPECT_EQ(SourceX(strip, x, 2), expected[x]) << x;
    EXPECT_EQ(SourceY(strip, 5, 2), 3);
}

TEST(Strips, HorizontalTrimsTheLastTileAndStretchesTheMiddle)
{
    PixelBuffer src = Coordinates(10, 2);
    PixelBuffer strip;
    BuildHorzStrip(2, 2, strip, src.View(), Rect { 0, 0, 10, 2 }, 13, false);
    const int tiled[] = { 0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 4, 8, 9 };
    for (int32_t x = 0; x < 13; ++x)
        EXPECT_EQ(SourceX(strip, x, 0), tiled[x]) << x;
    BuildHorzStrip(2, 2, strip, src.View(), Rect { 0, 0, 10, 2 }, 16, true);
    const int stretched[] = { 0, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 9 };
    for (int32_t x = 0; x < 16; ++x)
        EXPECT_EQ(SourceX(strip, x, 1), stretched[x]) << x;
}

TEST(Strips, VerticalTilesDownward)
{
    PixelBuffer src = Coordinates(3, 8);
    PixelBuffer strip;
    BuildVertStrip(1, 2, strip, src.View(), Rect { 0, 0, 3, 8 }, 12, false);
    ASSERT_EQ(strip.Width(), 3);
    ASSERT_EQ(strip.Height(), 12);
    const int expected[] = { 0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 6, 7 };
    for (int32_t y = 0; y < 12; ++y)
        EXPECT_EQ(SourceY(strip, 1, y), expected[y]) << y;
}

PieceGeometry SampleGeometry()
{
    // A 20 x 16 element: corners of 4 and 5 pixels, client inset by 3.
    return PieceGeometry { { 4, 4 }, { 15, 5 }, { 5, 12 }, { 16, 11 }, { 3, 3, 17, 13 } };
}

TEST(NinePatch, AtTheSkinSizeReproducesTheSourceExactly)
{
    PixelBuffer src = Coordinates(40, 30);
    Rect r { 7, 5, 27, 21 };
    PieceGeometry g = SampleGeometry();
    for (bool stretch : { false, true }) {
        PieceStretch flags { stretch, stretch, stretch, stretch, stretch, ClientStretchType::Full };
        PixelBuffer out;
        BuildNinePatch(g, g, out, src.View(), r, 20, 16, true, flags, Rgb(1, 1, 1));
        ASSERT_EQ(out.Width(), 20);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 20; ++x)
                ASSERT_EQ(out.PixelAt(x, y), src.PixelAt(x + 7, y + 5)) << x << "," << y << " stretch " << stretch;
    }
}

TEST(NinePatch, EqualCornerColumnsLeaveTheTargetUndrawn)
{
    PixelBuffer src = Coordinates(20, 16);
    PieceGeometry g = SampleGeometry();
    g.RB.X = g.LT.X;
    PixelBuffer out;
    BuildNinePatch(g, MovePieceGeometry(g, 5, 5), out, src.View(), Rect { 0, 0, 20, 16 }, 25, 21, true, {}, 0);
    EXPECT_EQ(out, PixelBuffer(25, 21));
}

TEST(NinePatch, HorizontalClientStretchRepeatsTheColumnCutAtTheClient)
{
    // C is 16 wide; the target is 34 wider, so NewC is 50 wide: copies at
    // NewC.Left + 0, 16, 32, 48, the last cut to 2 pixels.
    PixelBuffer src = Coordinates(20, 20);
    PieceGeometry g { { 2, 2 }, { 18, 2 }, { 2, 18 }, { 18, 18 }, { 2, 2, 18, 18 } };
    PieceGeometry moved = MovePieceGeometry(g, 34, 0);
    ASSERT_EQ(moved.C.Width(), 50);
    PieceStretch flags;
    flags.Client = true;
    flags.ClientType = ClientStretchType::Horizontal;
    PixelBuffer out;
    BuildNinePatch(g, moved, out, src.View(), Rect { 0, 0, 20, 20 }, 54, 20, true, flags, 0);
    for (int32_t x = 2; x < 52; ++x)
        EXPECT_EQ(SourceX(out, x, 7), 2 + (x - 2) % 16) << x;
    EXPECT_EQ(SourceX(out, 52, 7), 18); // the right edge, not a fifth client copy
}

TEST(NinePatch, TiledClientIsTrimmedAndAnEmptyClientIsFilled)
{
    PixelBuffer src = Coordinates(10, 10);
    PieceGeometry g { { 2, 2 }, { 8, 2 }, { 2, 8 }, { 8, 8 }, { 2, 2, 8, 8 } };
    PieceGeometry moved = MovePieceGeometry(g, 5, 4);
    PixelBuffer out;
    BuildNinePatch(g, moved, out, src.View(), Rect { 0, 0, 10, 10 }, 15, 14, true, {}, 0);
    for (int32_t y = 2; y < 12; ++y)
        for (int32_t x = 2; x < 13; ++x) {
            ASSERT_EQ(SourceX(out, x, y), 2 + (x - 2) % 6);
            ASSERT_EQ(SourceY(out, x, y), 2 + (y - 2) % 6);
        }
    g.C.Right = g.C.Left; // an empty client
    moved = MovePieceGeometry(g, 5, 4);
    BuildNinePatch(g, moved, out, src.View(), Rect { 0, 0, 10, 10 }, 15, 14, true, {}, Rgb(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(out.PixelAt(moved.C.Left, 5), out.PixelAt(moved.C.Left, 5)); // drawn without dividing by zero
    PixelBuffer outside;
    g = PieceGeometry { { 2, 2 }, { 8, 2 }, { 2, 8 }, { 8, 8 }, { 2, 2, 80, 8 } };
    BuildNinePatch(g, g, outside, src.View(), Rect { 0, 0, 10, 10 }, 10, 10, true, {}, Rgb(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(outside.PixelAt(5, 5), Rgb(0xF0, 0xF0, 0xF0));
}

TEST(BorderBands, StretchedAtTheSkinSizeAreTheSkinsOwnBands)
{
    PixelBuffer src = Coordinates(40, 30);
    Rect r { 7, 5, 27, 21 };
    PieceGeometry g = SampleGeometry();
    {
        FrameBands bands;
        BuildBorderBands(g, g, src.View(), r, 20, 16, { true, true, true, true }, bands);
        ASSERT_EQ(bands.Top.Width(), 20);
        ASSERT_EQ(bands.Top.Height(), 3);
        ASSERT_EQ(bands.Bottom.Height(), 3);
        ASSERT_EQ(bands.Left.Width(), 3);
        ASSERT_EQ(bands.Left.Height(), 10);
        ASSERT_EQ(bands.Right.Width(), 3);
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 20; ++x) {
                ASSERT_EQ(bands.Top.PixelAt(x, y), src.PixelAt(7 + x, 5 + y));
                ASSERT_EQ(bands.Bottom.PixelAt(x, y), src.PixelAt(7 + x, 5 + 13 + y));
            }
        for (int32_t y = 0; y < 10; ++y)
            for (int32_t x = 0; x < 3; ++x) {
                ASSERT_EQ(bands.Left.PixelAt(x, y), src.PixelAt(7 + x, 5 + 3 + y)) << x << "," << y;
                ASSERT_EQ(bands.Right.PixelAt(x, y), src.PixelAt(7 + 17 + x, 5 + 3 + y)) << x << "," << y;
            }
    }
}

TEST(BorderBands, GrownFrameKeepsCornersAndTilesEdges)
{
    PixelBuffer src = Coordinates(20, 16);
    PieceGeometry g = SampleGeometry();
    PieceGeometry moved = MovePieceGeometry(g, 25, 0);
    FrameBands bands;
    BuildBorderBands(g, moved, src.View(), Rect { 0, 0, 20, 16 }, 45, 16, {}, bands);
    ASSERT_EQ(bands.Top.Width(), 45);
    for (int32_t x = 0; x < 4; ++x)
        EXPECT_EQ(SourceX(bands.Top, x, 1), x);
    for (int32_t x = 4; x < moved.RT.X; ++x)
        EXPECT_EQ(SourceX(bands.Top, x, 1), 4 + x % 11) << x; // tiles from 0, covered at the left
    for (int32_t x = moved.RT.X; x < 45; ++x)
        EXPECT_EQ(SourceX(bands.Top, x, 1), x - 25);
}

TEST(MaskBands, AtTheSkinSizeAreTheMasksOwnBands)
{
    PixelBuffer mask = Coordinates(20, 16, 0);
    PieceGeometry g = SampleGeometry();
    FrameBands bands;
    BuildMaskBands(g, g, 20, 16, mask.View(), bands);
    ASSERT_EQ(bands.Top.Width(), 20);
    ASSERT_EQ(bands.Left.Height(), 10);
    for (int32_t x = 0; x < 20; ++x) {
        EXPECT_EQ(bands.Top.PixelAt(x, 2), mask.PixelAt(x, 2));
        EXPECT_EQ(bands.Bottom.PixelAt(x, 0), mask.PixelAt(x, 13));
    }
    // The side bands tile their middle from the band's top and then lay the
    // fixed ends over it. Left: rows LT.Y..LB.Y = 4..11 from 0, fixed rows 3
    // and 12 at the ends. Right: rows 5..10 from 0, fixed 3, 4 and 11, 12.
    const int left[] = { 3, 5, 6, 7, 8, 9, 10, 11, 4, 12 };
    const int right[] = { 3, 4, 7, 8, 9, 10, 5, 6, 11, 12 };
    for (int32_t y = 0; y < 10; ++y) {
        EXPECT_EQ(SourceY(bands.Left, 2, y), left[y]) << y;
        EXPECT_EQ(SourceX(bands.Left, 2, y), 2);
        EXPECT_EQ(SourceY(bands.Right, 0, y), right[y]) << y;
        EXPECT_EQ(SourceX(bands.Right, 0, y), 17);
    }
    g.C.Left = 0; // no left band
    BuildMaskBands(g, g, 20, 16, mask.View(), bands);
    EXPECT_TRUE(bands.Left.IsEmpty());
}

TEST(Pieces, AnyGeometryIsSafe)
{
    // Random, often nonsensical geometry: nothing may read or write outside
    // a picture (the sanitizers watch) and the targets get their sizes.
    std::mt19937 random(1234);
    auto v = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    PixelBuffer src = Coordinates(24, 20);
    for (int i = 0; i < 3000; ++i) {
        PieceGeometry g { { v(-3, 25), v(-3, 22) }, { v(-3, 25), v(-3, 22) }, { v(-3, 25), v(-3, 22) },
            { v(-3, 25), v(-3, 22) }, { v(-3, 25), v(-3, 22), v(-3, 25), v(-3, 22) } };
        int32_t aw = v(-2, 60), ah = v(-2, 50);
        PieceGeometry moved = MovePieceGeometry(g, aw - 24, ah - 20);
        PieceStretch flags { bool(v(0, 1)), bool(v(0, 1)), bool(v(0, 1)), bool(v(0, 1)), bool(v(0, 1)),
            ClientStretchType(v(0, 3)) };
        Rect r { v(-5, 10), v(-5, 10), v(5, 30), v(5, 30) };
        PixelBuffer out;
        BuildNinePatch(g, moved, out, src.View(), r, aw, ah, true, flags, 0);
        EXPECT_EQ(out.Width(), aw > 0 && ah > 0 ? aw : 0);
        FrameBands bands;
        BuildBorderBands(g, moved, src.View(), r, aw, ah, flags, bands);
        BuildMaskBands(g, moved, aw, ah, src.View(), bands);
        BuildHorzStrip(v(-3, 12), v(-3, 12), out, src.View(), r, aw, bool(v(0, 1)));
        BuildVertStrip(v(-3, 12), v(-3, 12), out, src.View(), r, ah, bool(v(0, 1)));
    }
}

// The stretch map as its definition reads: every source position lands on
// the target under its centre; rows keep the first source, columns the last.
std::vector<int32_t> ReferenceMap(int32_t srcLen, int32_t dstLen, bool vertical)
{
    std::vector<int32_t> map(static_cast<size_t>(dstLen));
    if (dstLen >= srcLen) {
        for (int32_t i = 0; i < dstLen; ++i)
            map[size_t(i)] = int32_t(((2 * int64_t(i) + 1) * srcLen - 1) / (2 * int64_t(dstLen)));
        return map;
    }
    std::vector<bool> taken(static_cast<size_t>(dstLen));
    for (int32_t s = 0; s < srcLen; ++s) {
        size_t d = size_t(((2 * int64_t(s) + 1) * dstLen - 1) / (2 * int64_t(srcLen)));
        if (!vertical || !taken[d])
            map[d] = s;
        taken[d] = true;
    }
    if (!vertical && dstLen == 1)
        map[0] = srcLen - 2;
    return map;
}

TEST(StretchMap, EachPositionIsFoundDirectlyAsTheWholeMapWouldPlaceIt)
{
    for (int32_t src = 1; src <= 70; ++src)
        for (int32_t dst = 1; dst <= 70; ++dst)
            for (bool vertical : { false, true })
                ASSERT_EQ(StretchMap(src, dst, vertical), ReferenceMap(src, dst, vertical))
                    << src << " -> " << dst << (vertical ? " rows" : " columns");
    // Far beyond any picture, single positions still come out in range.
    EXPECT_EQ(StretchSource(INT32_MAX - 1, 3, INT32_MAX, true), 2);
    EXPECT_EQ(StretchSource(2, INT32_MAX, 3, false), INT32_MAX - 1);
    EXPECT_EQ(StretchSource(0, INT32_MAX, 3, true), 0);
}

TEST(PixelOps, ASystemColourIsResolvedBeforeAFill)
{
    PixelBuffer b(2, 1);
    FillPixels(b.View(), Rect { 0, 0, 2, 1 }, ClBtnFace);
    EXPECT_EQ(b.PixelAt(0, 0), PlainColor(ClBtnFace));
    EXPECT_FALSE(IsSystemColor(PlainColor(ClBtnFace)));
    EXPECT_EQ(PlainColor(ClBtnFace), Rgb(212, 208, 200));  // the classic button face, natively
    EXPECT_EQ(PlainColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
    // The nine-piece image fills an undrawable client with it too.
    PixelBuffer src = Coordinates(10, 10), out;
    PieceGeometry g { { 2, 2 }, { 8, 2 }, { 2, 8 }, { 8, 8 }, { 2, 2, 2, 8 } };
    BuildNinePatch(g, MovePieceGeometry(g, 4, 0), out, src.View(), Rect { 0, 0, 10, 10 }, 14, 10, true, {}, ClBtnFace);
    EXPECT_EQ(out.PixelAt(4, 5), Rgb(212, 208, 200));
}

TEST(MaskBands, PixelsThatNoPieceCoversAreOutside)
{
    // A mask without a top middle (RT.X = LT.X) in a window wider than the
    // skin: the top band's middle is covered by nothing, so it is white, and
    // the region leaves it out.
    PixelBuffer mask(20, 16);  // all black
    PieceGeometry g { { 4, 4 }, { 4, 4 }, { 4, 12 }, { 15, 12 }, { 3, 3, 17, 13 } };
    PieceGeometry moved = MovePieceGeometry(g, 30, 0);
    FrameBands bands;
    BuildMaskBands(g, moved, 50, 16, mask.View(), bands);
    ASSERT_EQ(bands.Top.Width(), 50);
    EXPECT_EQ(bands.Top.PixelAt(2, 1), Rgb(0, 0, 0));         // the fixed left piece
    EXPECT_EQ(bands.Top.PixelAt(20, 1), Rgb(255, 255, 255));  // nothing covers it
    EXPECT_EQ(bands.Top.PixelAt(40, 1), Rgb(0, 0, 0));        // the fixed right piece
    for (const Rect& r : MaskToRects(bands.Top.View(), 0, 0))
        EXPECT_TRUE(r.Right <= 4 || r.Left >= moved.RT.X) << r.Left << ".." << r.Right;
}

TEST(Pieces, HostileGeometryStaysBoundedByTheTargetInMemoryAndTime)
{
    // Skin numbers anywhere in the 32-bit range, against targets of ordinary
    // size: every builder sizes and loops by its target, and no arithmetic on
    // skin integers overflows (UBSan stops at the first that does). The
    // allocation cap above bounds memory; the clock guards against a loop
    // that runs by a skin's numbers (billions of rounds would take minutes).
    const auto started = std::chrono::steady_clock::now();
    const int32_t extremes[] = { INT32_MIN, -INT32_MAX, -65536, -17, -1, 0, 1, 3, 19, 65536, INT32_MAX - 1, INT32_MAX };
    std::mt19937 random(2147483647);
    auto pick = [&] { return extremes[std::uniform_int_distribution<size_t>(0, std::size(extremes) - 1)(random)]; };
    auto point = [&] { return Point { pick(), pick() }; };
    auto rect = [&] { return Rect { pick(), pick(), pick(), pick() }; };
    auto bounded = [](const PixelBuffer& b, int32_t w, int32_t h) {
        return b.Width() <= std::max(w, 0) && b.Height() <= std::max(h, 0);
    };
    PixelBuffer src = Coordinates(24, 20), mask = Coordinates(24, 20, 0);
    const int32_t sizes[] = { -5, 0, 1, 37, 300 };
    for (int round = 0; round < 4000; ++round) {
        const int32_t aw = sizes[round % 5], ah = sizes[(round / 5) % 5];
        PieceGeometry g { point(), point(), point(), point(), rect() };
        // Half the rounds move the geometry by the rule, half take the skin's numbers as they are.
        PieceGeometry d = round % 2 ? MovePieceGeometry(g, pick(), pick())
                                    : PieceGeometry { point(), point(), point(), point(), rect() };
        PieceStretch flags { bool(round & 1), bool(round & 2), bool(round & 4), bool(round & 8), bool(round & 16),
            ClientStretchType((round / 32) % 3) };
        Rect r = round % 3 ? rect() : Rect { 0, 0, 24, 20 };
        PixelBuffer out;
        BuildNinePatch(g, d, out, src.View(), r, aw, ah, true, flags, ClBtnFace);
        ASSERT_TRUE(bounded(out, aw, ah));
        out = PixelBuffer(std::max(aw, 0), std::max(ah, 0));
        BuildMarginStretch(out, src.View(), r, true, rect(), pick());
        FrameBands bands;
        BuildBorderBands(g, d, src.View(), r, aw, ah, flags, bands);
        for (const PixelBuffer* b : { &bands.Top, &bands.Bottom, &bands.Left, &bands.Right })
            ASSERT_TRUE(bounded(*b, aw, ah));
        BuildMaskBands(g, d, aw, ah, mask.View(), bands);
        for (const PixelBuffer* b : { &bands.Top, &bands.Bottom, &bands.Left, &bands.Right }) {
            ASSERT_TRUE(bounded(*b, aw, ah));
            for (const Rect& run : MaskToRects(b->View(), pick(), pick()))
                ASSERT_TRUE(run.Left < run.Right && run.Top < run.Bottom);
            MaskToRegionData(b->View(), pick(), pick());
        }
        BuildHorzStrip(pick(), pick(), out, src.View(), r, aw, flags.Top);
        ASSERT_TRUE(bounded(out, aw, src.Height()));
        BuildVertStrip(pick(), pick(), out, src.View(), r, ah, flags.Left);
        ASSERT_TRUE(bounded(out, src.Width(), ah));
        StretchPixels(src.View(), rect(), src.View(), rect());
    }
    // The widest possible target with no height: nothing to allocate or draw.
    PixelBuffer out;
    PieceGeometry g { { 1, 1 }, { 2, 1 }, { 1, 2 }, { 2, 2 }, { 1, 1, 2, 2 } };
    BuildNinePatch(g, MovePieceGeometry(g, INT32_MAX, 0), out, src.View(), Rect { 0, 0, 24, 20 }, INT32_MAX, 0, true,
        {}, 0);
    EXPECT_TRUE(out.IsEmpty());
    FrameBands bands;
    BuildBorderBands(g, MovePieceGeometry(g, INT32_MAX, 0), src.View(), Rect { 0, 0, 24, 20 }, INT32_MAX, 0, {}, bands);
    BuildMaskBands(g, MovePieceGeometry(g, INT32_MAX, 0), INT32_MAX, 0, mask.View(), bands);
    BuildHorzStrip(0, 0, out, src.View(), Rect { 0, 5, 24, 5 }, INT32_MAX, false);
    EXPECT_TRUE(out.IsEmpty());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

} // namespace
} // namespace ventro
