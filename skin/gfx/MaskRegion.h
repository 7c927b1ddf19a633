// Turning a black-and-white mask into rectangles and into the platform's
// region data bytes: pure black (0, 0, 0) is inside, every other colour outside.
#pragma once
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"

namespace ventro {

constexpr size_t RegionDataHeaderSize = 32;
constexpr size_t RegionDataRectSize = 16;

// One rectangle per maximal run of black pixels in a row, rows top to bottom
// and runs left to right, shifted by the offset. With mergeRows, a row whose
// runs are exactly those of the row above extends that row's rectangles
// downward instead: the same area from far fewer rectangles.
std::vector<Rect> MaskToRects(PixelView mask, int32_t offsetX, int32_t offsetY, bool mergeRows = true);

// Region data: a 32-byte header (size 32, type 1 = rectangles, count, size 0,
// bounding rectangle) and 16 bytes per rectangle. An empty mask gives no bytes.
std::vector<uint8_t> MaskToRegionData(PixelView mask, int32_t offsetX, int32_t offsetY, bool mergeRows = true);
std::vector<uint8_t> RegionDataFromRects(const std::vector<Rect>& rects, Rect bounds);

} // namespace ventro
