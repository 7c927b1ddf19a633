// Region building under the platform: region data from a mask and one
// region-from-data call, with and without merging identical rows, for a
// window shape with rounded corners, a text-like mask and a checkerboard.
#include <windows.h>

#include <cstdio>

#include "bench/WinBenchTiming.h"
#include "bench/skin_gfx/BenchMasks.h"
#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/lxUtils.h"

namespace {

using namespace ventro;

// The median time in milliseconds of building the region `rounds` times.
double Median(const PixelBuffer& mask, bool merge, int rounds)
{
    return bench::MedianMs(rounds, [&] {
        if (!RegionFromData(MaskToRegionData(mask.View(), 0, 0, merge)))
            std::printf("region failed\n");
    });
}

void Report(const char* name, const PixelBuffer& mask, int rounds)
{
    size_t runs = MaskToRects(mask.View(), 0, 0, false).size();
    size_t merged = MaskToRects(mask.View(), 0, 0, true).size();
    double withMerge = Median(mask, true, rounds), without = Median(mask, false, rounds);
    std::printf("%-22s %6zu runs %6zu rects merged   merged %9.3f ms   unmerged %9.3f ms   speed-up %5.1fx\n", name,
        runs, merged, withMerge, without, without / withMerge);
}

} // namespace

int main()
{
    Report("rounded 400x120", RoundedMask(400, 120, 8), 200);
    Report("text-like 400x120", TextLikeMask(400, 120), 20);
    Report("checkerboard 400x120", CheckerMask(400, 120), 3);
    return 0;
}
