// Frame painting under Wine, as the window does it: composition with the
// platform's text drawing, four blits to a device context, one object's
// repaint, and the region rebuilt and applied after a resize. Medians in
// milliseconds, each paint also as a ratio to its four plain band blits.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/skin_form/FrameBenchScenes.h"
#include "bench/WinBenchTiming.h"
#include "platform/Colors.h"
#include "skin/form/FramePainter.h"
#include "skin/form/WinFrameDrawing.h"
#include "skin/gfx/GdiTextPainter.h"
#include "skin/gfx/DibSection.h"

namespace {

using namespace ventro;

using bench::MedianMs;

struct Target {
    DibSection pixels;
    MemoryDC dc { CreateCompatibleDC(nullptr) };
    HGDIOBJ old;
    Target(int32_t w, int32_t h) : pixels(w, h) { old = SelectObject(dc.Get(), pixels.Handle()); }
    ~Target() { SelectObject(dc.Get(), old); }
};

struct Scene {
    TStaticForm form { SystemColorResolver() };
    GdiTextPainter text;
    TSkinFrame frame;
    Target target;
    Scene(const TlxSkinContent* skin, int32_t w, int32_t h) : frame(form, skin, FrameOptions {}), target(w, h)
    {
        form.Caption = L"VentroADSL拨号器 V1.2 By Qorin";
        frame.SetSize(w, h);
        ActivateCaption(frame.Objects(), true);
    }
};

void Skinned(const TlxSkinContent& skin, int32_t w, int32_t h)
{
    Scene s(&skin, w, h);
    FrameImage image;
    ComposeSkinFrame(s.frame, s.text, image);
    const Rect client = s.frame.ClientRect();
    double blits = MedianMs(400, [&] { PaintFrameImage(s.target.dc.Get(), image, client); GdiFlush(); });
    double paint = MedianMs(400, [&] {
        ComposeSkinFrame(s.frame, s.text, image);
        PaintFrameImage(s.target.dc.Get(), image, client);
        GdiFlush();
    });
    std::printf("skinned frame paint %4dx%-4d %8.3f ms   four band blits %8.3f ms   ratio %5.1f\n", w, h, paint, blits,
        paint / blits);
    std::printf("@table\tskinned frame paint %dx%d, Wine (median)\t%.3f ms\tits four band blits\t%.3f ms\t%.1f\t%s\n", w, h,
        paint, blits, paint / blits, w == 800 ? "under 2 ms" : "");
}

void Fallback(int32_t w, int32_t h)
{
    Scene s(nullptr, w, h);
    FrameImage image;
    ComposeDefaultFrame(s.frame, s.text, DefaultCaptionFonts {}, image);
    const Rect client = s.frame.ClientRect();
    double blits = MedianMs(400, [&] { PaintFrameImage(s.target.dc.Get(), image, client); GdiFlush(); });
    double paint = MedianMs(400, [&] {
        ComposeDefaultFrame(s.frame, s.text, DefaultCaptionFonts {}, image);
        PaintFrameImage(s.target.dc.Get(), image, client);
        GdiFlush();
    });
    std::printf("fallback frame paint %4dx%-4d %7.3f ms   four band blits %8.3f ms   ratio %5.1f\n", w, h, paint, blits,
        paint / blits);
    std::printf("@table\tfallback frame paint %dx%d, Wine (median)\t%.3f ms\tits four band blits\t%.3f ms\t%.1f\t\n", w, h,
        paint, blits, paint / blits);
}

void ObjectRepaint(const TlxSkinContent& skin)
{
    Scene s(&skin, 800, 600);
    TlxActiveSkinObject* close = s.frame.FindObject("closebutton");
    close->Active = close->MouseIn = true;
    close->MorphKf = 0.4;
    const Rect r = close->ObjectRect;
    PixelBuffer pixels(r.Width(), r.Height());
    double t = MedianMs(1000, [&] {
        FrameCanvas canvas { pixels.View(), Point { r.Left, r.Top }, &s.text };
        close->Draw(canvas, true);
        BlitPixels(s.target.dc.Get(), r.Left, r.Top, pixels.View());
        GdiFlush();
    });
    std::printf("one object repaint (mid-morph)  %8.3f ms\n", t);
}

void RegionRebuild(const TlxSkinContent& skin)
{
    Scene s(&skin, 800, 600);
    HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    int32_t w = 800;
    double t = MedianMs(200, [&] {
        w = w == 800 ? 801 : 800;
        s.frame.SetSize(w, 600);
        ApplyWindowRegion(wnd, s.frame.RegionRects());
    });
    DestroyWindow(wnd);
    std::printf("region rebuild after a resize   %8.3f ms (800x600, applied to a window)\n", t);
}

} // namespace

int main()
{
    std::unique_ptr<TlxSkinContent> skin = bench::LoadStoredSkin(std::string("Z:") + VENTRO_SKIN_FILE);
    Skinned(*skin, 400, 120);
    Skinned(*skin, 800, 600);
    Fallback(257, 342);
    Fallback(800, 600);
    ObjectRepaint(*skin);
    RegionRebuild(*skin);
    return 0;
}
