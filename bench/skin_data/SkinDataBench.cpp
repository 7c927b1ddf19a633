// Decoding our stored skin (inflate, pictures, definition and records) against
// plain zlib uncompress of the same bytes. After the Google Benchmark runs it
// times the two taking turns in the same process and prints their medians,
// minimums and ratios, and a table row for run-bench.sh.
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <zlib.h>

#include "skin/data/SkinContent.h"
#include "skin/data/Stream.h"

namespace {

using namespace ventro;

#ifdef _WIN32
const char* const SkinBenchPlatform = "Wine";
#else
const char* const SkinBenchPlatform = "native";
#endif

const std::vector<uint8_t>& CompressedSkin()
{
    static const std::vector<uint8_t> bytes = ReadWholeFile(VENTRO_STORED_SKIN_FILE);
    return bytes;
}

size_t InflatedSize()
{
    static const size_t size = InflateBytes(CompressedSkin()).size();
    return size;
}

void DecodeSkin()
{
    TlxSkinContent skin;
    skin.LoadSkinStreamContent(InflateSkinStream(CompressedSkin()));
    benchmark::DoNotOptimize(skin.ControlList.size());
}

// The same decode with the whole stream inflated into one buffer first and
// the pictures copied out of it: the way it went before, for comparison.
void DecodeSkinTwoSteps()
{
    TlxSkinContent skin;
    skin.LoadSkinStreamContent(ReadSkinStream(InflateBytes(CompressedSkin())));
    benchmark::DoNotOptimize(skin.ControlList.size());
}

// The stream's pictures and text alone, without reading the definition.
void InflateStreamOnly()
{
    SkinStreamContent content = InflateSkinStream(CompressedSkin());
    benchmark::DoNotOptimize(content.DefinitionText.data());
}

void PlainUncompress()
{
    std::vector<uint8_t> out(InflatedSize());
    uLongf length = uLongf(out.size());
    if (uncompress(out.data(), &length, CompressedSkin().data(), uLong(CompressedSkin().size())) != Z_OK)
        std::abort();
    benchmark::DoNotOptimize(out.data());
}

void BM_DecodeStoredSkin(benchmark::State& state)
{
    for (auto _ : state)
        DecodeSkin();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(InflatedSize()));
}
BENCHMARK(BM_DecodeStoredSkin)->Unit(benchmark::kMillisecond);

void BM_PlainUncompress(benchmark::State& state)
{
    for (auto _ : state)
        PlainUncompress();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(InflatedSize()));
}
BENCHMARK(BM_PlainUncompress)->Unit(benchmark::kMillisecond);

double Seconds(void (*f)())
{
    auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::vector<double> decode, plain, twoSteps, streamOnly;
    for (int i = 0; i < 101; ++i) {
        decode.push_back(Seconds(DecodeSkin) * 1e3);
        plain.push_back(Seconds(PlainUncompress) * 1e3);
        twoSteps.push_back(Seconds(DecodeSkinTwoSteps) * 1e3);
        streamOnly.push_back(Seconds(InflateStreamOnly) * 1e3);
    }
#ifdef _WIN32
    const char* goal = "at most 1.5";
#else
    const char* goal = "at most 1.25";
#endif
    const double byMedian = Median(decode) / Median(plain);
    const double byMinimum = *std::min_element(decode.begin(), decode.end()) / *std::min_element(plain.begin(), plain.end());
    std::printf("stored skin decode / plain uncompress, 101 rounds taking turns: median %.3f / %.3f ms = %.2f, "
                "minimum %.3f / %.3f ms = %.2f (goal: %s)\n",
        Median(decode), Median(plain), byMedian, *std::min_element(decode.begin(), decode.end()),
        *std::min_element(plain.begin(), plain.end()), byMinimum, goal);
    std::printf("  beside it: inflated into one buffer first, then read: median %.3f ms = %.2f; the stream's pictures "
                "and text without the definition: median %.3f ms = %.2f\n",
        Median(twoSteps), Median(twoSteps) / Median(plain), Median(streamOnly), Median(streamOnly) / Median(plain));
    const char* where = SkinBenchPlatform;
    std::printf("@table\tstored skin decode, %s (median)\t%.3f ms\tplain uncompress\t%.3f ms\t%.2f\t%s\n", where,
        Median(decode), Median(plain), byMedian, goal);
    std::printf("@table\tstored skin decode, %s (minimum)\t%.3f ms\tplain uncompress\t%.3f ms\t%.2f\t\n", where,
        *std::min_element(decode.begin(), decode.end()), *std::min_element(plain.begin(), plain.end()), byMinimum);
    return 0;
}
