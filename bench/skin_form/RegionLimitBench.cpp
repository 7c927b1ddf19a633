// Where the bound on one window region's rectangles lies: under Wine, the
// time to build a region from N rectangles and apply it to a shown window,
// for N from 250 to 24,000 (rows of one-pixel spans, as a checkerboard mask
// gives), and the whole rebuild of a frame after a resize for our skin with
// a checkerboard mask at sizes around the bound. Medians in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/skin_form/FrameBenchScenes.h"
#include "bench/WinBenchTiming.h"
#include "platform/Colors.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/PixelOps.h"

namespace {

using namespace ventro;

using bench::MedianMs;

// n rectangles in rows one pixel high, 200 one-pixel spans a row, shifted
// by one every other row: a checkerboard's region.
std::vector<Rect> CheckerRects(size_t n)
{
    std::vector<Rect> rects;
    for (int32_t y = 0; rects.size() < n; ++y)
        for (int32_t x = y % 2; x < 400 && rects.size() < n; x += 2)
            rects.push_back(Rect { x, y, x + 1, y + 1 });
    return rects;
}

HWND ShownWindow(int32_t w, int32_t h)
{
    HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, w, h, nullptr, nullptr,
        nullptr, nullptr);
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&m);
    return wnd;
}

void RegionSizes()
{
    HWND wnd = ShownWindow(400, 200);
    for (size_t n : { 250, 500, 1000, 1200, 1400, 2000, 4000, 8000, 12000, 24000 }) {
        const std::vector<Rect> rects = CheckerRects(n);
        const int rounds = n <= 4000 ? 21 : n <= 8000 ? 7 : 3;
        double t = MedianMs(rounds, [&] { ApplyWindowRegion(wnd, rects); });
        std::printf("region of %5zu rectangles built and applied  %9.3f ms\n", n, t);
    }
    DestroyWindow(wnd);
}

void PaintCheckerboard(PixelBuffer& mask)
{
    for (int32_t y = 0; y < mask.Height(); ++y)
        for (int32_t x = 0; x < mask.Width(); ++x)
            FillPixels(mask.View(), Rect { x, y, x + 1, y + 1 }, (x + y) % 2 ? ClWhite : ClBlack);
}

void CheckerboardRebuild(const TlxSkinContent& skin, int32_t w, int32_t h)
{
    TStaticForm form { SystemColorResolver() };
    TSkinFrame frame(form, &skin, FrameOptions {});
    frame.SetSize(w, h);
    const size_t wanted = frame.Shape().RefusedRects ? frame.Shape().RefusedRects : frame.RegionRects().size();
    HWND wnd = ShownWindow(w, h);
    int32_t width = w;
    double t = MedianMs(7, [&] {
        width = width == w ? w + 1 : w;
        frame.SetSize(width, h);
        ApplyWindowRegion(wnd, frame.RegionRects());
    });
    DestroyWindow(wnd);
    std::printf("checkerboard skin %4dx%-4d (%5zu rectangles%s)  rebuild %9.3f ms\n", w, h, wanted,
        frame.Shape().RefusedRects ? ", refused" : "", t);
}

} // namespace

int main()
{
    RegionSizes();
    std::unique_ptr<TlxSkinContent> skin = bench::LoadStoredSkin(std::string("Z:") + VENTRO_SKIN_FILE);
    PaintCheckerboard(skin->MaskPicture.Pixels);
    for (auto [w, h] : { std::pair { 250, 60 }, { 300, 100 }, { 800, 600 }, { 2000, 1500 } })
        CheckerboardRebuild(*skin, w, h);
    return 0;
}
