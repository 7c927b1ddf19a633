// Rectangle helpers, version tests, glyph shapes and cells, text shortening.
#include <gtest/gtest.h>

#include "skin/gfx/Glyphs.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/TextFit.h"

namespace ventro {
namespace {

TEST(RectUtils, EmptinessAndInclusion)
{
    EXPECT_TRUE(IsEmptyRect(Rect { 5, 5, 5, 9 }));
    EXPECT_TRUE(IsEmptyRect(Rect { 5, 5, 9, 2 }));
    EXPECT_FALSE(IsEmptyRect(Rect { 0, 0, 1, 1 }));
    EXPECT_EQ(WidthOfRect(Rect { INT32_MIN, 0, INT32_MAX, 1 }), int64_t(UINT32_MAX));
    EXPECT_TRUE(PointInRectInclusive(Point { 10, 10 }, Rect { 0, 0, 10, 10 }));
    EXPECT_FALSE(PointInRectInclusive(Point { 11, 10 }, Rect { 0, 0, 10, 10 }));
    // The bottom-right corner must lie strictly inside the outer rectangle.
    EXPECT_TRUE(RectInsideRect(Rect { 0, 0, 9, 9 }, Rect { 0, 0, 10, 10 }));
    EXPECT_FALSE(RectInsideRect(Rect { 0, 0, 10, 10 }, Rect { 0, 0, 10, 10 }));
    EXPECT_TRUE(IsZeroPoint(Point { 0, 7 }));
    EXPECT_FALSE(IsZeroPoint(Point { 3, 7 }));
    EXPECT_TRUE(SameRect(Rect { 1, 2, 3, 4 }, Rect { 1, 2, 3, 4 }));
}

TEST(RectUtils, VersionTests)
{
    EXPECT_FALSE(CanLayerWindows(0x0004));
    EXPECT_TRUE(CanLayerWindows(0x0005));
    EXPECT_TRUE(CanLayerWindows(0x0205));
    EXPECT_FALSE(CanLayerWindows(0x0305));
    EXPECT_TRUE(CanLayerWindows(0x0106));
    EXPECT_FALSE(CanDropShadow(0x0005));
    EXPECT_TRUE(CanDropShadow(0x0105));
    EXPECT_FALSE(CanDropShadow(0x0205));
    EXPECT_TRUE(CanDropShadow(0x000A));
}

TEST(Glyphs, LinesLeaveOutTheirEndPoint)
{
    EXPECT_EQ(LinePixels(Point { 1, 1 }, Point { 4, 4 }), (std::vector<Point> { { 1, 1 }, { 2, 2 }, { 3, 3 } }));
    EXPECT_EQ(LinePixels(Point { 5, 2 }, Point { 2, 2 }), (std::vector<Point> { { 5, 2 }, { 4, 2 }, { 3, 2 } }));
    EXPECT_TRUE(LinePixels(Point { 3, 3 }, Point { 3, 3 }).empty());
}

int CountColor(const PixelBuffer& b, Color c)
{
    int n = 0;
    for (int32_t y = 0; y < b.Height(); ++y)
        for (int32_t x = 0; x < b.Width(); ++x)
            n += b.PixelAt(x, y) == c;
    return n;
}

TEST(Glyphs, ShapesDrawTheirPixels)
{
    const Color ink = Rgb(200, 0, 0);
    PixelBuffer b(20, 20);
    RasterizeGlyph(b.View(), MinimizeGlyph(2, 3), ink);
    EXPECT_EQ(CountColor(b, ink), 16); // two lines of 8
    EXPECT_EQ(b.PixelAt(3, 11), ink);
    EXPECT_EQ(b.PixelAt(11, 11), Rgb(0, 0, 0));

    PixelBuffer box(20, 20);
    RasterizeGlyph(box.View(), MaximizeGlyph(0, 0), ink);
    // An 11 x 10 outline with a second top row: 2 x 11 + 2 x 8 + 9 = 47.
    EXPECT_EQ(CountColor(box, ink), 2 * 11 + 2 * 8 + 9);

    PixelBuffer arrow(10, 10);
    RasterizeGlyph(arrow.View(), ArrowGlyph(Rect { 0, 0, 10, 10 }, 1), ink);
    EXPECT_EQ(CountColor(arrow, ink), 1 + 3 + 5 + 7);
    EXPECT_EQ(arrow.PixelAt(3, 5), ink); // the tip at cx - 2
    EXPECT_EQ(arrow.PixelAt(6, 2), ink);
    EXPECT_EQ(arrow.PixelAt(6, 8), ink);
    EXPECT_TRUE(ArrowGlyph(Rect { 0, 0, 10, 10 }, 7).empty());

    PixelBuffer close(12, 12);
    RasterizeGlyph(close.View(), CloseGlyph(0, 0), ink);
    EXPECT_EQ(close.PixelAt(1, 1), ink);
    EXPECT_EQ(close.PixelAt(9, 8), ink);
    EXPECT_EQ(close.PixelAt(9, 9), Rgb(0, 0, 0));
}

TEST(Glyphs, CellsOfAStrip)
{
    EXPECT_EQ(GlyphCellRect(30, 8, 2, 3), (Rect { 10, 0, 20, 8 }));
    EXPECT_EQ(GlyphCellRect(31, 8, 3, 3), (Rect { 20, 0, 30, 8 }));
    EXPECT_EQ(GlyphCellRect(30, 8, 1, 0), Rect {});
    EXPECT_EQ(GlyphCellRect(2, 8, 1, 3), Rect {}); // cells of width 0
    EXPECT_EQ(GlyphCellRect(30, 8, 4, 3), Rect {});
    EXPECT_EQ(GlyphCellRect(0, 8, 1, 1), Rect {});

    // Cell 2 of a 2-cell strip: key colour from its bottom-left pixel.
    PixelBuffer strip(4, 2);
    const Color key = Rgb(255, 0, 255), ink = Rgb(1, 2, 3);
    strip.SetPixel(2, 1, key);
    strip.SetPixel(3, 1, ink);
    strip.SetPixel(2, 0, ink);
    strip.SetPixel(3, 0, key);
    PixelBuffer target(5, 5);
    DrawGlyphCell(target.View(), 1, 1, 2, 2, strip.View());
    EXPECT_EQ(target.PixelAt(1, 1), ink);
    EXPECT_EQ(target.PixelAt(2, 1), Rgb(0, 0, 0));
    EXPECT_EQ(target.PixelAt(1, 2), Rgb(0, 0, 0));
    EXPECT_EQ(target.PixelAt(2, 2), ink);
    DrawGlyphCell(target.View(), 1, 1, 1, 0, strip.View());
}

int64_t TenPerUnit(std::wstring_view t) { return int64_t(t.size()) * 10; }

TEST(TextFit, ShortensWithEllipsis)
{
    EXPECT_EQ(FitWideTextToWidth(L"abcdef", 60, TenPerUnit), L"abcdef");
    EXPECT_EQ(FitWideTextToWidth(L"abcdefgh", 60, TenPerUnit), L"abc...");
    EXPECT_EQ(FitWideTextToWidth(L"abcdefgh", 5, TenPerUnit), L"...");
    EXPECT_EQ(FitWideTextToWidth(L"", 0, TenPerUnit), L"");
    // "ab" + a surrogate pair + "cde": cutting inside the pair would give the
    // 6-unit "ab\xD83D..." that fits 60; the pair goes as a whole instead.
    EXPECT_EQ(FitWideTextToWidth(L"ab\xD83D\xDE00" L"cde", 60, TenPerUnit), L"ab...");
    EXPECT_EQ(FitWideTextToWidth(L"ab\xD83D\xDE00" L"cdef", 70, TenPerUnit), L"ab\xD83D\xDE00...");
}

} // namespace
} // namespace ventro
