// The window shape and the hit tests: the region's canonical form, the mask
// bands, and properties over thousands of random sizes and points of our skin.
#include <gtest/gtest.h>

#include <random>

#include "FrameTestSkins.h"
#include "skin/form/FrameHitTest.h"
#include "skin/form/FrameShape.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"

namespace ventro {
namespace {

using test::SmallFrame;
using test::StoredSkin;

int64_t Area(const std::vector<Rect>& rects)
{
    int64_t a = 0;
    for (const Rect& r : rects)
        a += WidthOfRect(r) * HeightOfRect(r);
    return a;
}

TEST(CanonicalRegion, CoversTheUnionWithDisjointBandedRectangles)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<Rect> input;
        bool grid[40][40] = {};
        int n = int(random() % 8);
        for (int i = 0; i < n; ++i) {
            int32_t l = int32_t(random() % 40), t = int32_t(random() % 40);
            Rect r { l, t, std::min(40, l + int32_t(random() % 12)), std::min(40, t + int32_t(random() % 12)) };
            input.push_back(r);
            for (int32_t y = r.Top; y < std::min(r.Bottom, 40); ++y)
                for (int32_t x = r.Left; x < std::min(r.Right, 40); ++x)
                    grid[y][x] = true;
        }
        std::vector<Rect> out = CanonicalRegion(input);
        int64_t covered = 0;
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 40; ++x) {
                covered += grid[y][x];
                ASSERT_EQ(RegionContains(out, Point { x, y }), grid[y][x]) << round << ": " << x << "," << y;
            }
        ASSERT_EQ(Area(out), covered) << "rectangles overlap";
        for (size_t i = 1; i < out.size(); ++i) {
            const Rect &a = out[i - 1], &b = out[i];
            ASSERT_TRUE(a.Top < b.Top || (a.Top == b.Top && a.Bottom == b.Bottom && a.Right < b.Left))
                << "not banded, or touching spans not merged";
        }
        ASSERT_EQ(CanonicalRegion(out), out) << "not stable";
    }
}

TEST(CanonicalRegion, RepeatedBandsMergeDownward)
{
    std::vector<Rect> rows = { { 0, 0, 5, 1 }, { 8, 0, 9, 1 }, { 0, 1, 5, 2 }, { 8, 1, 9, 2 }, { 0, 2, 9, 3 } };
    EXPECT_EQ(CanonicalRegion(rows), (std::vector<Rect> { { 0, 0, 5, 2 }, { 8, 0, 9, 2 }, { 0, 2, 9, 3 } }));
    EXPECT_TRUE(CanonicalRegion({ { 3, 3, 3, 9 }, { 1, 1, 5, 0 } }).empty());
}

TEST(FrameShape, BandPixelsOutsideTheBandAreOutside)
{
    PixelBuffer band(4, 2); // all black
    EXPECT_TRUE(BandPixelInside(band, 3, 1));
    EXPECT_FALSE(BandPixelInside(band, 4, 1));
    EXPECT_FALSE(BandPixelInside(band, -1, 0));
    EXPECT_FALSE(BandPixelInside(band, 0, 2));
    EXPECT_FALSE(BandPixelInside(PixelBuffer(), 0, 0));
}

// A 100 x 80 mask, black but for 3 x 3 white corners.
PixelBuffer RoundedMask()
{
    PixelBuffer m(100, 80);
    for (Rect r : { Rect { 0, 0, 3, 3 }, Rect { 97, 0, 100, 3 }, Rect { 0, 77, 3, 80 }, Rect { 97, 77, 100, 80 } })
        FillPixels(m.View(), r, ClWhite);
    return m;
}

TEST(FrameShape, AMaskAreaAtTheLeftEdgeLeavesTheLeftBandEmpty)
{
    FrameSkinInfo skin = SmallFrame();
    skin.HasMask = true;
    skin.MaskArea = Rect { 0, 10, 95, 70 };
    PixelBuffer mask = RoundedMask();
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    FrameShape shape = BuildFrameShape(skin, g, mask.View());
    ASSERT_TRUE(shape.Masked);
    EXPECT_TRUE(shape.Bands.Left.IsEmpty());
    EXPECT_FALSE(shape.Bands.Top.IsEmpty());
    EXPECT_FALSE(shape.Bands.Right.IsEmpty());
    EXPECT_FALSE(shape.Bands.Bottom.IsEmpty());
    std::vector<Rect> region = FrameRegionRects(shape);
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 150; ++x) {
            // Only the rounded corners are cut away.
            bool corner = (x < 3 || x >= 147) && (y < 3 || y >= 97);
            ASSERT_EQ(RegionContains(region, { x, y }), !corner) << x << "," << y;
            ASSERT_EQ(PointInWindowShape(shape, { x, y }), !corner) << x << "," << y;
        }
}

TEST(FrameShape, WithoutMaskTheShapeIsTheWindowRectangle)
{
    FrameSkinInfo skin = SmallFrame();
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    FrameShape shape = BuildFrameShape(skin, g, RoundedMask().View());
    EXPECT_FALSE(shape.Masked);
    EXPECT_EQ(FrameRegionRects(shape), (std::vector<Rect> { { 0, 0, 150, 100 } }));
    EXPECT_TRUE(PointInWindowShape(shape, { 0, 0 }));
    EXPECT_FALSE(PointInWindowShape(shape, { 150, 0 }));
}

// A one-pixel checkerboard: black where x + y is even.
PixelBuffer CheckerMask(int32_t w, int32_t h)
{
    PixelBuffer m(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if ((x + y) % 2)
                FillPixels(m.View(), Rect { x, y, x + 1, y + 1 }, ClWhite);
    return m;
}

TEST(FrameShape, AMaskBeyondTheRegionBoundIsRefusedAndTheWindowIsItsRectangle)
{
    FrameSkinInfo skin = SmallFrame();
    skin.HasMask = true;
    PixelBuffer mask = CheckerMask(100, 80);
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    FrameShape shaped = BuildFrameShape(skin, g, mask.View(), size_t(1) << 30);
    ASSERT_TRUE(shaped.Masked);
    EXPECT_EQ(shaped.RefusedRects, 0u);
    EXPECT_TRUE(RefusedMaskReason(shaped).empty());
    EXPECT_EQ(shaped.Region, FrameRegionRects(shaped));
    const size_t count = shaped.Region.size();
    ASSERT_GT(count, 100u);

    // One rectangle fewer allowed than the region needs: refused.
    FrameShape refused = BuildFrameShape(skin, g, mask.View(), count - 1);
    EXPECT_FALSE(refused.Masked);
    EXPECT_EQ(refused.RefusedRects, count);
    EXPECT_EQ(refused.Region, (std::vector<Rect> { { 0, 0, 150, 100 } }));
    EXPECT_EQ(RefusedMaskReason(refused),
        "the mask gives " + std::to_string(count) + " rectangles at 150x100, more than the "
            + std::to_string(count - 1) + " of one window region: the window is rectangular");
    // The hit test's shape is the rectangle too: every pixel of the window is
    // inside, and the border probes test the window's edges.
    for (int32_t y = 0; y < 100; ++y)
        for (int32_t x = 0; x < 150; ++x)
            ASSERT_TRUE(PointInWindowShape(refused, { x, y })) << x << "," << y;
    HitTestState resizable;
    resizable.Resizable = true;
    const Rect caption[] = { skin.CaptionRect };
    EXPECT_EQ(SkinHitTest(skin, g, refused, caption, { 1, 50 }, resizable), HitLeft);
    EXPECT_FALSE(IsSizingCode(SkinHitTest(skin, g, refused, caption, { 8, 50 }, resizable)));
    // Exactly at the bound it is still applied.
    EXPECT_TRUE(BuildFrameShape(skin, g, mask.View(), count).Masked);
}

TEST(FrameShape, ACheckerboardOfOurSkinsSizeIsAppliedSmallAndRefusedLarge)
{
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    ASSERT_TRUE(skin.HasMask);
    PixelBuffer mask = CheckerMask(skin.W0, skin.H0);
    FrameShape small = BuildFrameShape(skin, CalcFrameGeometry(skin, 250, 60), mask.View());
    EXPECT_TRUE(small.Masked);
    EXPECT_LE(small.Region.size(), MaxWindowRegionRects);
    FrameShape large = BuildFrameShape(skin, CalcFrameGeometry(skin, 2000, 1500), mask.View());
    EXPECT_FALSE(large.Masked);
    EXPECT_GT(large.RefusedRects, MaxWindowRegionRects);
    EXPECT_EQ(large.Region, (std::vector<Rect> { { 0, 0, 2000, 1500 } }));
}

TEST(FrameShape, OurSkinsRegionAt265x351)
{
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    TFrameGeometry g = CalcFrameGeometry(skin, 265, 351);
    FrameShape shape = BuildFrameShape(skin, g, PictureView(StoredSkin().MaskPicture));
    std::vector<Rect> region = FrameRegionRects(shape);
    EXPECT_EQ(RegionBounds(region), (Rect { 0, 0, 265, 351 }));
    // The corners are rounded: the outermost corner pixels are outside.
    for (Point p : { Point { 0, 0 }, Point { 264, 0 }, Point { 0, 350 }, Point { 264, 350 } }) {
        EXPECT_FALSE(RegionContains(region, p));
        EXPECT_FALSE(PointInWindowShape(shape, p));
    }
    EXPECT_TRUE(PointInWindowShape(shape, { 132, 0 }));
    EXPECT_TRUE(PointInWindowShape(shape, { 0, 175 }));
}

TEST(SkinHitTest, OurSkinAnswersSizingCodesOnlyAtItsEdges)
{
    FrameSkinInfo skin = FrameSkinFromContent(StoredSkin());
    TFrameGeometry g = CalcFrameGeometry(skin, 265, 351);
    FrameShape shape = BuildFrameShape(skin, g, PictureView(StoredSkin().MaskPicture));
    const Rect caption[] = { { 23, 1, 135, 24 } };
    HitTestState st;
    st.Resizable = true;
    auto hit = [&](int32_t x, int32_t y) { return SkinHitTest(skin, g, shape, caption, { x, y }, st); };
    EXPECT_EQ(hit(100, 100), HitClient);
    EXPECT_EQ(hit(257, 343), HitClient);
    EXPECT_EQ(hit(258, 100), HitObject); // NewC's right edge is outside it
    EXPECT_EQ(hit(100, 344), HitObject); // and so is its bottom edge
    EXPECT_EQ(hit(50, 10), HitCaption);
    const Rect button[] = { { 40, 5, 60, 20 } };
    EXPECT_EQ(SkinHitTest(skin, g, shape, caption, { 50, 10 }, st, button), HitObject);
    EXPECT_EQ(SkinHitTest(skin, g, shape, caption, { 30, 10 }, st, button), HitCaption);
    EXPECT_EQ(hit(0, 175), HitLeft);
    EXPECT_EQ(hit(264, 175), HitRight);
    EXPECT_EQ(hit(132, 0), HitTop);
    EXPECT_EQ(hit(132, 350), HitBottom);
    EXPECT_EQ(hit(3, 3), HitTopLeft);
    EXPECT_EQ(hit(4, 4), HitObject); // inside NewMask: never near the edge
    EXPECT_EQ(hit(261, 347), HitBottomRight);

    st.Window.Maximized = true;
    EXPECT_EQ(hit(0, 175), HitObject);
    st.Window.Maximized = false;
    st.ObjectHot = true;
    EXPECT_EQ(hit(0, 175), HitObject);
    EXPECT_EQ(hit(100, 100), HitClient);
    EXPECT_EQ(hit(50, 10), HitCaption);
    st.InSizeMove = true;
    EXPECT_EQ(hit(0, 175), HitLeft);
    st = {};
    st.Window.RolledUp = true;
    EXPECT_EQ(hit(50, 10), HitCaption);
    EXPECT_EQ(hit(100, 100), HitObject);
}

TEST(SkinHitTest, WithoutMaskTheBorderWidthProbesTheWindowRectangle)
{
    FrameSkinInfo skin = SmallFrame(); // border width 3
    TFrameGeometry g = CalcFrameGeometry(skin, 150, 100);
    FrameShape shape = RectangularShape(150, 100);
    HitTestState st;
    st.Resizable = true;
    auto hit = [&](int32_t x, int32_t y) { return SkinHitTest(skin, g, shape, {}, { x, y }, st); };
    EXPECT_EQ(hit(2, 50), HitLeft);
    EXPECT_EQ(hit(3, 50), HitObject);
    EXPECT_EQ(hit(147, 50), HitRight);
    EXPECT_EQ(hit(146, 50), HitObject);
    EXPECT_EQ(hit(75, 97), HitBottom);
    EXPECT_EQ(hit(1, 1), HitTopLeft);
    EXPECT_EQ(hit(149, 99), HitBottomRight);
    EXPECT_EQ(hit(60, 2), HitTop);
}

TEST(DefaultHitTest, TwoPixelBordersCaptionAndClient)
{
    bool visible[7] = { true, false, true, true, false, true, false };
    DefaultCaptionLayout l = LayoutDefaultCaption(300, FrameBorderStyle::Sizeable, visible, false, {});
    HitTestState st;
    st.Resizable = true;
    auto hit = [&](int32_t x, int32_t y) {
        return DefaultHitTest(300, 200, FrameBorderStyle::Sizeable, l.TextArea, { x, y }, st);
    };
    EXPECT_EQ(hit(0, 0), HitTopLeft);
    EXPECT_EQ(hit(298, 2), HitTopRight);
    EXPECT_EQ(hit(2, 198), HitBottomLeft);
    EXPECT_EQ(hit(299, 199), HitBottomRight);
    EXPECT_EQ(hit(1, 100), HitLeft);
    EXPECT_EQ(hit(100, 2), HitTop);
    EXPECT_EQ(hit(298, 100), HitRight);
    EXPECT_EQ(hit(100, 198), HitBottom);
    EXPECT_EQ(hit(100, 10), HitCaption);
    EXPECT_EQ(hit(250, 10), HitObject); // on the buttons
    EXPECT_EQ(hit(100, 100), HitClient);
    EXPECT_EQ(hit(100, 20), HitObject); // between the caption and the client
    st.ObjectHot = true;
    EXPECT_EQ(hit(100, 100), HitObject);
    st.Resizable = false;
    EXPECT_EQ(hit(0, 0), HitObject);
    EXPECT_EQ(hit(100, 100), HitClient);
}

// Thousands of window sizes of our skin, and random points in each.
TEST(FrameProperties, RegionShapeAndHitTestAgreeAtRandomSizes)
{
    const TlxSkinContent& content = StoredSkin();
    FrameSkinInfo skin = FrameSkinFromContent(content);
    const Rect caption[] = { { 23, 1, 135, 24 } };
    std::mt19937 random(12);
    for (int round = 0; round < 2000; ++round) {
        const int32_t w = 200 + int32_t(random() % 1000), h = 34 + int32_t(random() % 800);
        TFrameGeometry g = CalcFrameGeometry(skin, w, h);
        FrameShape shape = BuildFrameShape(skin, g, PictureView(content.MaskPicture));
        std::vector<Rect> region = FrameRegionRects(shape);
        const Rect window { 0, 0, w, h };
        const Rect bounds = RegionBounds(region);
        ASSERT_TRUE(bounds.Left >= 0 && bounds.Top >= 0 && bounds.Right <= w && bounds.Bottom <= h) << w << "x" << h;
        std::vector<Rect> withMask = region;
        withMask.push_back(g.NewMask);
        ASSERT_EQ(CanonicalRegion(withMask), region) << "NewMask not inside the region at " << w << "x" << h;

        HitTestState resizable, fixed;
        resizable.Resizable = true;
        for (int i = 0; i < 100; ++i) {
            const Point p { int32_t(random() % uint32_t(w)), int32_t(random() % uint32_t(h)) };
            const bool inside = PointInWindowShape(shape, p);
            ASSERT_EQ(RegionContains(region, p), inside) << w << "x" << h << " at " << p.X << "," << p.Y;
            ASSERT_FALSE(IsSizingCode(SkinHitTest(skin, g, shape, caption, p, fixed)));
            const int32_t code = SkinHitTest(skin, g, shape, caption, p, resizable);
            if (!inside)
                continue; // the region keeps the mouse away from these
            const int32_t bw = skin.BorderWidth;
            const bool probesInside = PointInWindowShape(shape, { p.X - bw, p.Y })
                && PointInWindowShape(shape, { p.X + bw, p.Y }) && PointInWindowShape(shape, { p.X, p.Y - bw })
                && PointInWindowShape(shape, { p.X, p.Y + bw });
            if (probesInside || g.NewMask.Contains(p)) {
                ASSERT_FALSE(IsSizingCode(code)) << w << "x" << h << " at " << p.X << "," << p.Y;
            }
            ASSERT_EQ(code == HitClient, g.NewC.Contains(p)) << w << "x" << h << " at " << p.X << "," << p.Y;
        }
        (void)window;
    }
}

} // namespace
} // namespace ventro
