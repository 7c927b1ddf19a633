// Masks the benchmarks scan: a window shape with rounded corners, a text-like
// mask and a one-pixel checkerboard.
#pragma once
#include "base/PixelBuffer.h"

namespace ventro {

PixelBuffer RoundedMask(int32_t w, int32_t h, int32_t radius);
PixelBuffer TextLikeMask(int32_t w, int32_t h);
PixelBuffer CheckerMask(int32_t w, int32_t h);

} // namespace ventro
