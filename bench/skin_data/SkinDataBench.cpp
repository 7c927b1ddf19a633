// Decoding our stored skin (inflate, pictures, definition and records) against
// plain zlib uncompress of the same bytes. After the Google Benchmark runs it
// prints the ratio of the two, measured in the same process.
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <zlib.h>

#include "skin/data/SkinContent.h"
#include "skin/data/Stream.h"

namespace {

using namespace ventro;

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
    skin.LoadSkinStreamContent(ReadSkinStream(InflateBytes(CompressedSkin())));
    benchmark::DoNotOptimize(skin.ControlList.size());
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

template <class F>
double BestOf(F f, int rounds)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    double decode = BestOf(DecodeSkin, 50);
    double plain = BestOf(PlainUncompress, 50);
    std::printf("stored skin decode / plain uncompress (best of 50): %.3f ms / %.3f ms = %.2f (goal: at most 1.5)\n",
        decode * 1e3, plain * 1e3, decode / plain);
    return 0;
}
