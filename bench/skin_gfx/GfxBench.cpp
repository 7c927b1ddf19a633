// Pixel operation speeds at 400 x 120 and 1024 x 768, each beside a memcpy of
// the same buffer in the same run; a table of the fractions follows the run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "bench/skin_gfx/BenchMasks.h"
#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/SkinPieces.h"
#include "skin/gfx/lxEffects.h"

namespace ventro {
namespace {

struct Size {
    int32_t W, H;
    std::string Name() const { return std::to_string(W) + "x" + std::to_string(H); }
};
constexpr Size Sizes[] = { { 400, 120 }, { 1024, 768 } };

PixelBuffer RandomPicture(Size s, uint32_t seed)
{
    PixelBuffer b(s.W, s.H);
    std::mt19937 random(seed);
    for (int32_t y = 0; y < s.H; ++y)
        for (int32_t x = 0; x < s.W * 3; ++x)
            b.Row(y)[x] = uint8_t(random());
    return b;
}

// Runs op on a fresh-looking picture each iteration; the bytes are the picture's.
void Register(const std::string& name, Size s, std::function<void(PixelView, PixelView)> op)
{
    benchmark::RegisterBenchmark((name + "/" + s.Name()).c_str(), [s, op](benchmark::State& state) {
        PixelBuffer a = RandomPicture(s, 1), b = RandomPicture(s, 2);
        for (auto _ : state) {
            op(a.View(), b.View());
            benchmark::ClobberMemory();
        }
        state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(a.Bytes().size()));
    })->Unit(benchmark::kMicrosecond);
}

void RegisterAll()
{
    for (Size s : Sizes) {
        Register("memcpy", s, [](PixelView a, PixelView b) {
            std::memcpy(a.Bits(), b.Bits(), size_t(a.Stride() * a.Height()));
        });
        Register("Invert", s, [](PixelView a, PixelView) { Invert(a); });
        Register("Brightness", s, [](PixelView a, PixelView) { Brightness(a, 0.5); });
        Register("Darkness", s, [](PixelView a, PixelView) { Darkness(a, 0.3); });
        // Amounts whose mixes have ties, beside the engine's (which for
        // brightness are exact halves and for the blend tie-free).
        Register("BrightnessAt0.3", s, [](PixelView a, PixelView) { Brightness(a, 0.3); });
        Register("MorphBlendAt0.3", s, [](PixelView a, PixelView b) { MorphBlend(a, b, 0.3); });
        Register("GrayScale", s, [](PixelView a, PixelView) { GrayScale(a); });
        Register("AddNoise", s, [](PixelView a, PixelView) {
            static NoiseGenerator random(1);
            AddNoise(a, 50, random);
        });
        Register("SplitBlur", s, [](PixelView a, PixelView) { SplitBlur(a, 1); });
        Register("FlipVertInto", s, [](PixelView a, PixelView b) { FlipVertInto(a, b); });
        const char* morphs[] = { "MorphBlend", "MorphGradient", "MorphLeftGradient", "MorphRightGradient",
            "MorphLeftSlide", "MorphRightSlide", "MorphPush" };
        for (int k = 0; k < 7; ++k)
            Register(morphs[k], s, [k](PixelView a, PixelView b) { ApplyMorph(a, b, MorphKind(k), 0.4); });
        Register("NinePatch", s, [s](PixelView a, PixelView) {
            // A frame skin of 120 x 60 composed at the benchmark size, edges tiled, client stretched.
            static PixelBuffer out;
            PieceGeometry g { { 20, 20 }, { 100, 20 }, { 20, 40 }, { 100, 40 }, { 10, 25, 110, 50 } };
            PieceStretch stretch { false, false, false, false, true, ClientStretchType::Full };
            BuildNinePatch(g, MovePieceGeometry(g, s.W - 120, s.H - 60), out, a, Rect { 0, 0, 120, 60 }, s.W, s.H,
                true, stretch, 0);
            benchmark::DoNotOptimize(out.Bytes().data());
        });
        Register("MaskScanRounded", s, [s](PixelView, PixelView) {
            static std::map<int, PixelBuffer> masks;
            PixelBuffer& m = masks[s.W];
            if (m.IsEmpty())
                m = RoundedMask(s.W, s.H, 8);
            benchmark::DoNotOptimize(MaskToRegionData(m.View(), 0, 0).data());
        });
        Register("MaskScanText", s, [s](PixelView, PixelView) {
            static std::map<int, PixelBuffer> masks;
            PixelBuffer& m = masks[s.W];
            if (m.IsEmpty())
                m = TextLikeMask(s.W, s.H);
            benchmark::DoNotOptimize(MaskToRegionData(m.View(), 0, 0).data());
        });
    }
}

// Collects each benchmark's time so the fractions of memcpy can be printed.
class FractionReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Times;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration)
                Times[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace
} // namespace ventro

int main(int argc, char** argv)
{
    using namespace ventro;
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    FractionReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-28s %12s %12s\n", "operation", "time (us)", "of memcpy");
    for (const auto& [name, time] : reporter.Times) {
        std::string size = name.substr(name.find('/') + 1);
        auto base = reporter.Times.find("memcpy/" + size);
        if (base != reporter.Times.end() && time > 0)
            std::printf("%-28s %12.1f %11.1f%%\n", name.c_str(), time, 100.0 * base->second / time);
    }
    // The effects a frame uses, at the frame's size and a large one.
    for (const char* effect : { "Invert", "Brightness", "Darkness", "MorphBlend", "GrayScale", "SplitBlur" })
        for (Size s : Sizes) {
            auto op = reporter.Times.find(std::string(effect) + "/" + s.Name());
            auto base = reporter.Times.find("memcpy/" + s.Name());
            if (op != reporter.Times.end() && base != reporter.Times.end() && base->second > 0)
                std::printf("@table\teffect %s %s, native\t%.1f us\tmemcpy of the picture\t%.1f us\t%.1f\t%s\n", effect,
                    s.Name().c_str(), op->second, base->second, op->second / base->second,
                    s.W == 400 ? "under 120 us" : "");
        }
    benchmark::Shutdown();
    return 0;
}
