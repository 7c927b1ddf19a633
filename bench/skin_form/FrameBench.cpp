// Frame composition natively (Google Benchmark): the skinned frame at 400x120
// and 800x600, the fallback frame, one object repaint and the region rebuild
// after a resize, each beside the same frame's four plain band copies.
#include <benchmark/benchmark.h>

#include "bench/skin_form/FrameBenchScenes.h"
#include "skin/form/FramePainter.h"
#include "skin/gfx/PixelOps.h"

namespace {

using namespace ventro;

const TlxSkinContent& Skin()
{
    static std::unique_ptr<TlxSkinContent> skin = bench::LoadStoredSkin(VENTRO_SKIN_FILE);
    return *skin;
}

struct Scene {
    ClassicColors colors;
    TStaticForm form { colors };
    bench::NoText text;
    TSkinFrame frame;
    PixelBuffer window;
    Scene(const TlxSkinContent* skin, int32_t w, int32_t h, bool active = true)
        : frame(form, skin, FrameOptions {}), window(w, h)
    {
        form.State.Active = active;
        form.Caption = L"VentroADSL";
        frame.SetSize(w, h);
        ActivateCaption(frame.Objects(), active);
    }
};

void BandCopies(benchmark::State& state)
{
    Scene s(&Skin(), int32_t(state.range(0)), int32_t(state.range(1)));
    FrameImage image;
    ComposeSkinFrame(s.frame, s.text, image);
    for (auto _ : state) {
        PlaceFrameImage(image, s.window.View());
        benchmark::DoNotOptimize(s.window.Bytes().data());
    }
}
BENCHMARK(BandCopies)->Args({ 400, 120 })->Args({ 800, 600 });

void SkinnedFramePaint(benchmark::State& state)
{
    Scene s(&Skin(), int32_t(state.range(0)), int32_t(state.range(1)), state.range(2) != 0);
    FrameImage image;
    for (auto _ : state) {
        ComposeSkinFrame(s.frame, s.text, image);
        PlaceFrameImage(image, s.window.View());
        benchmark::DoNotOptimize(s.window.Bytes().data());
    }
}
BENCHMARK(SkinnedFramePaint)->Args({ 400, 120, 1 })->Args({ 800, 600, 1 })->Args({ 800, 600, 0 });

void FallbackFramePaint(benchmark::State& state)
{
    Scene s(nullptr, int32_t(state.range(0)), int32_t(state.range(1)));
    FrameImage image;
    for (auto _ : state) {
        ComposeDefaultFrame(s.frame, s.text, DefaultCaptionFonts {}, image);
        PlaceFrameImage(image, s.window.View());
        benchmark::DoNotOptimize(s.window.Bytes().data());
    }
}
BENCHMARK(FallbackFramePaint)->Args({ 257, 342 })->Args({ 800, 600 });

void ObjectRepaint(benchmark::State& state)
{
    Scene s(&Skin(), 800, 600);
    TlxActiveSkinObject* close = s.frame.FindObject("closebutton");
    close->Active = close->MouseIn = true;
    close->MorphKf = 0.4; // mid-morph: the dearest drawing of a button
    for (auto _ : state) {
        FrameCanvas canvas { s.window.View(), Point {}, &s.text };
        close->Draw(canvas, true);
        benchmark::DoNotOptimize(s.window.Bytes().data());
    }
}
BENCHMARK(ObjectRepaint);

void RegionRebuild(benchmark::State& state)
{
    Scene s(&Skin(), 800, 600);
    int32_t w = 800;
    for (auto _ : state) {
        w = w == 800 ? 801 : 800;
        s.frame.SetSize(w, 600);
        std::vector<Rect> rects = s.frame.RegionRects();
        benchmark::DoNotOptimize(rects.data());
    }
}
BENCHMARK(RegionRebuild);

} // namespace

BENCHMARK_MAIN();
