// Masks the benchmarks scan.
#include "bench/skin_gfx/BenchMasks.h"

#include <random>

namespace ventro {

namespace {
constexpr Color Black = 0, White = 0xFFFFFF;
}

PixelBuffer RoundedMask(int32_t w, int32_t h, int32_t radius)
{
    PixelBuffer m(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            int32_t cx = x < radius ? radius - x : (x >= w - radius ? x - (w - radius - 1) : 0);
            int32_t cy = y < radius ? radius - y : (y >= h - radius ? y - (h - radius - 1) : 0);
            m.SetPixel(x, y, cx * cx + cy * cy > radius * radius ? White : Black);
        }
    return m;
}

PixelBuffer TextLikeMask(int32_t w, int32_t h)
{
    // Lines of 10-pixel "characters" made of random strokes, with blank rows
    // between the lines: about 2500 runs at 400 x 120.
    PixelBuffer m(w, h);
    std::mt19937 random(77);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            m.SetPixel(x, y, White);
    for (int32_t top = 2; top + 10 <= h; top += 20)
        for (int32_t left = 2; left + 8 <= w; left += 10) {
            int strokes = 2 + int(random() % 3);
            for (int s = 0; s < strokes; ++s) {
                bool vertical = random() % 2;
                int32_t at = int32_t(random() % (vertical ? 8 : 10));
                for (int32_t i = 0; i < (vertical ? 10 : 8); ++i)
                    m.SetPixel(vertical ? left + at : left + i, vertical ? top + i : top + at, Black);
            }
        }
    return m;
}

PixelBuffer CheckerMask(int32_t w, int32_t h)
{
    PixelBuffer m(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            m.SetPixel(x, y, (x + y) % 2 ? White : Black);
    return m;
}

} // namespace ventro
