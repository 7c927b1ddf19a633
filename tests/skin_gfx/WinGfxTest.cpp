// The Windows side against the platform itself: the core stretch against
// StretchBlt, regions from mask data against pixel-by-pixel regions, glyphs
// against the platform's line drawing, sections, text, alpha and work area.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>

#include "skin/gfx/DibSection.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/gfx/Glyphs.h"
#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/TextFit.h"
#include "skin/gfx/TlxEffectBmp.h"
#include "skin/gfx/lxUtils.h"

namespace ventro {
namespace {

void FillRandom(PixelView v, std::mt19937& random)
{
    for (int32_t y = 0; y < v.Height(); ++y)
        for (int32_t x = 0; x < v.Width() * 3; ++x)
            v.Row(y)[x] = uint8_t(random());
}

bool SamePixels(PixelView a, PixelView b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int32_t y = 0; y < a.Height(); ++y)
        if (memcmp(a.Row(y), b.Row(y), size_t(a.Width()) * 3) != 0)
            return false;
    return true;
}

TEST(WinGfx, CoreStretchMatchesStretchBlt)
{
    std::mt19937 random(99);
    const std::pair<int, int> sizes[] = { { 1, 1 }, { 1, 7 }, { 7, 1 }, { 2, 5 }, { 5, 2 }, { 16, 50 }, { 50, 16 },
        { 13, 13 }, { 100, 37 }, { 37, 100 }, { 3, 64 }, { 64, 3 } };
    for (auto [sw, dw] : sizes)
        for (auto [sh, dh] : sizes) {
            TlxFBitmap src(sw, sh), dst(dw, dh);
            FillRandom(src.View(), random);
            SetStretchBltMode(dst.DC(), COLORONCOLOR);
            StretchBlt(dst.DC(), 0, 0, dw, dh, src.DC(), 0, 0, sw, sh, SRCCOPY);
            GdiFlush();
            PixelBuffer mine(dw, dh);
            StretchPixels(mine.View(), Rect { 0, 0, dw, dh }, src.View(), Rect { 0, 0, sw, sh });
            EXPECT_TRUE(SamePixels(mine.View(), dst.View())) << sw << "x" << sh << " -> " << dw << "x" << dh;
        }
}

// A region made one black pixel at a time.
RegionHandle PixelRegion(PixelView mask, int32_t ox, int32_t oy)
{
    RegionHandle all(CreateRectRgn(0, 0, 0, 0));
    for (int32_t y = 0; y < mask.Height(); ++y)
        for (int32_t x = 0; x < mask.Width(); ++x)
            if (mask.PixelAt(x, y) == 0) {
                RegionHandle dot(CreateRectRgn(ox + x, oy + y, ox + x + 1, oy + y + 1));
                CombineRgn(all.Get(), all.Get(), dot.Get(), RGN_OR);
            }
    return all;
}

TEST(WinGfx, RegionFromMaskDataEqualsThePixelRegion)
{
    std::mt19937 random(5150);
    for (int round = 0; round < 25; ++round) {
        int32_t w = 1 + int32_t(random() % 40), h = 1 + int32_t(random() % 30);
        PixelBuffer mask(w, h);
        int density = int(random() % 101);
        for (int32_t y = 0; y < h; ++y) {
            bool repeat = y > 0 && random() % 2 == 0;
            for (int32_t x = 0; x < w; ++x)
                mask.SetPixel(x, y,
                    repeat ? mask.PixelAt(x, y - 1) : (int(random() % 100) < density ? 0 : Rgb(255, 255, 255)));
        }
        RegionHandle expected = PixelRegion(mask.View(), 3, 4);
        for (bool merge : { false, true }) {
            RegionHandle made = RegionFromData(MaskToRegionData(mask.View(), 3, 4, merge));
            ASSERT_TRUE(made);
            EXPECT_TRUE(EqualRgn(made.Get(), expected.Get())) << "round " << round << " merge " << merge;
        }
    }
}

TEST(WinGfx, MaskedRegionFollowsTheFrameGeometry)
{
    // A 20 x 16 mask: all black but the four corner pixels.
    PixelBuffer mask(20, 16);
    for (Point p : { Point { 0, 0 }, Point { 19, 0 }, Point { 0, 15 }, Point { 19, 15 } })
        mask.SetPixel(p.X, p.Y, Rgb(255, 255, 255));
    PieceGeometry g { { 4, 4 }, { 15, 4 }, { 4, 12 }, { 15, 12 }, { 3, 3, 17, 13 } };
    // At the skin's own size the region is the mask's own shape.
    RegionHandle same = BuildMaskedRegion(g, g, 20, 16, mask.View());
    ASSERT_TRUE(same);
    RegionHandle whole = MaskToRegion(mask.View());
    EXPECT_TRUE(EqualRgn(same.Get(), whole.Get()));

    // Grown: the corners move with the size.
    PieceGeometry grown = MovePieceGeometry(g, 30, 10);
    RegionHandle big = BuildMaskedRegion(g, grown, 50, 26, mask.View());
    ASSERT_TRUE(big);
    EXPECT_FALSE(PtInRegion(big.Get(), 49, 25));
    EXPECT_FALSE(PtInRegion(big.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(big.Get(), 48, 25));
    EXPECT_TRUE(PtInRegion(big.Get(), 25, 12));

    // Narrower than the fixed corners: no region, the window stays rectangular.
    PieceGeometry narrow = MovePieceGeometry(g, -15, 0);
    EXPECT_FALSE(BuildMaskedRegion(g, narrow, 5, 16, mask.View()));

    // No left band (C.Left = 0): the other bands and the client remain.
    PieceGeometry noLeft = g;
    noLeft.C.Left = 0;
    RegionHandle partial = BuildMaskedRegion(noLeft, noLeft, 20, 16, mask.View());
    ASSERT_TRUE(partial);
    EXPECT_TRUE(PtInRegion(partial.Get(), 0, 5));  // the client now reaches x = 0
    EXPECT_FALSE(PtInRegion(partial.Get(), 0, 0)); // the top band's white corner
}

TEST(WinGfx, GlyphsMatchThePlatformLineDrawing)
{
    const Glyph glyphs[] = { CloseGlyph(2, 2), MaximizeGlyph(2, 2), MinimizeGlyph(2, 2), RestoreGlyph(2, 2),
        SysMenuGlyph(2, 2), RollUpGlyph(2, 2), RollDownGlyph(2, 2), TrayGlyph(2, 2),
        ArrowGlyph(Rect { 1, 1, 15, 15 }, 1), ArrowGlyph(Rect { 1, 1, 15, 15 }, 2),
        ArrowGlyph(Rect { 1, 1, 15, 15 }, 3), ArrowGlyph(Rect { 1, 1, 15, 15 }, 4) };
    int index = 0;
    for (const Glyph& glyph : glyphs) {
        TlxFBitmap platform(16, 16);
        PixelBuffer core(16, 16);
        DrawGlyph(platform.DC(), glyph, Rgb(10, 200, 30));
        GdiFlush();
        RasterizeGlyph(core.View(), glyph, Rgb(10, 200, 30));
        EXPECT_TRUE(SamePixels(core.View(), platform.View())) << "glyph " << index;
        ++index;
    }
}

TEST(WinGfx, EffectBitmapCopiesABitmapAndDrawsItBack)
{
    std::mt19937 random(8);
    TlxFBitmap original(9, 5);
    FillRandom(original.View(), random);
    TlxEffectBmp effect(original.Handle());
    ASSERT_EQ(effect.Width(), 9);
    ASSERT_EQ(effect.Height(), 5);
    EXPECT_TRUE(SamePixels(effect.View(), original.View()));
    effect.Invert();
    TlxFBitmap target(9, 5);
    effect.DrawTo(target.DC(), 0, 0);
    GdiFlush();
    EXPECT_TRUE(SamePixels(target.View(), effect.View()));
    EXPECT_EQ(target.View().PixelAt(3, 2), original.View().PixelAt(3, 2) ^ 0xFFFFFF);
}

TEST(WinGfx, TextPainterMeasuresFitsAndDrawsWithThePlatform)
{
    GdiTextPainter painter;
    const TextFont font { "Arial", 14, {}, DEFAULT_CHARSET };
    const Extent dial = painter.Measure(font, L"Dial", TextCaptionLine);
    EXPECT_GT(dial.Width, 0);
    EXPECT_GT(dial.Height, 0);
    auto width = [&](std::wstring_view t) { return int64_t(painter.Measure(font, t, TextCaptionLine).Width); };
    EXPECT_EQ(FitWideTextToWidth(L"Dial", dial.Width, width), L"Dial");
    std::wstring shortened = FitWideTextToWidth(L"A rather long caption text", dial.Width * 2, width);
    EXPECT_EQ(shortened.substr(shortened.size() - 3), L"...");

    // Drawn with a transparent background inside its rectangle only.
    PixelBuffer b(60, 20);
    FillPixels(b.View(), Rect { 0, 0, 60, 20 }, 0xFFFFFF);
    painter.Draw(b.View(), font, L"Dial", Rect { 10, 0, 40, 20 }, 0x000000, TextCaptionLine);
    int inside = 0, outside = 0;
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 60; ++x)
            (x >= 10 && x < 40 ? inside : outside) += b.PixelAt(x, y) != 0xFFFFFF ? 1 : 0;
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    // "&" shows as itself in a caption line and marks an accelerator elsewhere.
    EXPECT_GT(painter.Measure(font, L"&A", TextCaptionLine).Width, painter.Measure(font, L"&A", TextSingleLine).Width);
}

TEST(WinGfx, TextPainterTakesFaceNamesInTheAnsiCodePage)
{
    if (GetACP() != 936)
        GTEST_SKIP() << "needs the Simplified Chinese code page";
    // 宋体 as a skin written in code page 936 names it, and its English name.
    const TextFont chinese { "\xCB\xCE\xCC\xE5", -12, {}, DEFAULT_CHARSET };
    const TextFont english { "SimSun", -12, {}, DEFAULT_CHARSET };
    GdiTextPainter painter;
    const std::wstring text = L"\x62E8\x53F7 Dial";
    PixelBuffer a(80, 20), b(80, 20);
    FillPixels(a.View(), Rect { 0, 0, 80, 20 }, 0xFFFFFF);
    FillPixels(b.View(), Rect { 0, 0, 80, 20 }, 0xFFFFFF);
    painter.Draw(a.View(), chinese, text, Rect { 0, 0, 80, 20 }, 0, TextSingleLine);
    painter.Draw(b.View(), english, text, Rect { 0, 0, 80, 20 }, 0, TextSingleLine);
    EXPECT_TRUE(SamePixels(a.View(), b.View()));
    EXPECT_EQ(painter.Measure(chinese, text, TextSingleLine), painter.Measure(english, text, TextSingleLine));
}

TEST(WinGfx, FillsUseThePlatformsLiveSystemColours)
{
    EXPECT_EQ(PlainColor(ClBtnFace), Color(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(PlainColor(ClWindowText), Color(GetSysColor(COLOR_WINDOWTEXT)));
    PixelBuffer b(1, 1);
    FillPixels(b.View(), Rect { 0, 0, 1, 1 }, ClBtnShadow);
    EXPECT_EQ(b.PixelAt(0, 0), Color(GetSysColor(COLOR_BTNSHADOW)));
}

TEST(WinGfx, WorkAreaAndAlpha)
{
    Rect area = GetWorkArea(nullptr, true);
    EXPECT_GT(area.Width(), 0);
    EXPECT_GT(area.Height(), 0);
    Rect screen = GetWorkArea(nullptr, false);
    EXPECT_EQ(screen.Left, 0);
    EXPECT_GE(screen.Width(), area.Width());

    HWND wnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(wnd);
    SetWindowAlpha(wnd, 128);
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags)) {
        EXPECT_EQ(alpha, 128);
        EXPECT_TRUE(flags & LWA_ALPHA);
    }
    DestroyWindow(wnd);
}

} // namespace
} // namespace ventro
