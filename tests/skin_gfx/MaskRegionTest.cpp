// Mask scanning: runs, row merging, region data bytes and the invariants of
// the rectangles on random masks.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "skin/gfx/MaskRegion.h"

namespace ventro {
namespace {

constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);

PixelBuffer MaskFromText(const std::vector<const char*>& rows)
{
    PixelBuffer b(int32_t(std::strlen(rows[0])), int32_t(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; rows[y][x]; ++x)
            b.SetPixel(int32_t(x), int32_t(y), rows[y][x] == '#' ? Black : White);
    return b;
}

int32_t ReadInt(const std::vector<uint8_t>& d, size_t at)
{
    int32_t v;
    std::memcpy(&v, d.data() + at, 4);
    return v;
}

TEST(MaskRegion, RowsGiveOneRectanglePerBlackRun)
{
    PixelBuffer mask = MaskFromText({ "#####", "     ", "# ## ", " #  #" });
    // Nearly black is outside: only pure black counts.
    mask.SetPixel(0, 1, Rgb(0, 0, 1));
    std::vector<Rect> rects = MaskToRects(mask.View(), 0, 0);
    std::vector<Rect> expected { { 0, 0, 5, 1 }, { 0, 2, 1, 3 }, { 2, 2, 4, 3 }, { 1, 3, 2, 4 }, { 4, 3, 5, 4 } };
    EXPECT_EQ(rects, expected);
}

TEST(MaskRegion, IdenticalRowsMergeIntoTallerRectangles)
{
    PixelBuffer mask = MaskFromText({ " ## #", " ## #", " ## #", "#####", "#####", " ## #" });
    std::vector<Rect> merged = MaskToRects(mask.View(), 10, 20);
    std::vector<Rect> expected { { 11, 20, 13, 23 }, { 14, 20, 15, 23 }, { 10, 23, 15, 25 }, { 11, 25, 13, 26 },
        { 14, 25, 15, 26 } };
    EXPECT_EQ(merged, expected);
    EXPECT_EQ(MaskToRects(mask.View(), 0, 0, false).size(), 10u);
}

TEST(MaskRegion, RegionDataLayout)
{
    PixelBuffer mask = MaskFromText({ "## #" });
    std::vector<uint8_t> data = MaskToRegionData(mask.View(), 3, 4);
    ASSERT_EQ(data.size(), 32u + 2 * 16);
    EXPECT_EQ(ReadInt(data, 0), 32);
    EXPECT_EQ(ReadInt(data, 4), 1);
    EXPECT_EQ(ReadInt(data, 8), 2);
    EXPECT_EQ(ReadInt(data, 12), 0);
    EXPECT_EQ((std::vector<int32_t> { ReadInt(data, 16), ReadInt(data, 20), ReadInt(data, 24), ReadInt(data, 28) }),
        (std::vector<int32_t> { 3, 4, 7, 5 }));
    EXPECT_EQ((std::vector<int32_t> { ReadInt(data, 48), ReadInt(data, 52), ReadInt(data, 56), ReadInt(data, 60) }),
        (std::vector<int32_t> { 6, 4, 7, 5 }));

    EXPECT_TRUE(MaskToRegionData(PixelView(), 0, 0).empty());
    PixelBuffer white = MaskFromText({ "   " });
    EXPECT_EQ(MaskToRegionData(white.View(), 0, 0).size(), 32u);
}

TEST(MaskRegion, MoreThanTenThousandRunsAreAllKept)
{
    PixelBuffer board(300, 300);
    for (int32_t y = 0; y < 300; ++y)
        for (int32_t x = 0; x < 300; ++x)
            board.SetPixel(x, y, (x + y) % 2 ? White : Black);
    EXPECT_EQ(MaskToRects(board.View(), 0, 0).size(), 45000u);
}

int64_t Area(const Rect& r) { return int64_t(r.Width()) * r.Height(); }

TEST(MaskRegion, RandomMasksGiveDisjointRectanglesCoveringExactlyTheBlackPixels)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 60; ++round) {
        int32_t w = std::uniform_int_distribution<int32_t>(1, 48)(random);
        int32_t h = std::uniform_int_distribution<int32_t>(1, 40)(random);
        int density = std::uniform_int_distribution<int>(0, 100)(random);
        PixelBuffer mask(w, h);
        int64_t black = 0;
        // Runs of repeated rows make merging happen.
        std::vector<char> lastRow(static_cast<size_t>(w));
        for (int32_t y = 0; y < h; ++y) {
            bool repeat = y > 0 && random() % 3 == 0;
            for (int32_t x = 0; x < w; ++x) {
                bool inside = repeat ? bool(lastRow[size_t(x)]) : int(random() % 100) < density;
                lastRow[size_t(x)] = char(inside);
                mask.SetPixel(x, y, inside ? Black : (random() % 2 ? White : Rgb(0, 0, 9)));
                black += inside;
            }
        }
        for (bool merge : { false, true }) {
            std::vector<Rect> rects = MaskToRects(mask.View(), 5, -7, merge);
            std::vector<int> cover(static_cast<size_t>(w * h), 0);
            int64_t area = 0;
            for (const Rect& r : rects) {
                ASSERT_GT(r.Width(), 0);
                ASSERT_GT(r.Height(), 0);
                ASSERT_GE(r.Left, 5);
                ASSERT_GE(r.Top, -7);
                ASSERT_LE(r.Right, 5 + w);
                ASSERT_LE(r.Bottom, -7 + h);
                area += Area(r);
                for (int32_t y = r.Top + 7; y < r.Bottom + 7; ++y)
                    for (int32_t x = r.Left - 5; x < r.Right - 5; ++x) {
                        ASSERT_EQ(mask.PixelAt(x, y), Black);
                        ASSERT_EQ(++cover[size_t(y * w + x)], 1) << "rectangles overlap";
                    }
            }
            EXPECT_EQ(area, black);
        }
        EXPECT_LE(MaskToRects(mask.View(), 0, 0, true).size(), MaskToRects(mask.View(), 0, 0, false).size());
    }
}

} // namespace
} // namespace ventro
