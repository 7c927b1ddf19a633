// Drawing basics shared by the platform and the skin engine: rectangles to and
// from the platform's, the header of a 24-bit top-down picture and the one
// blit of a core pixel view to a device.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"

namespace ventro {

inline RECT ToRECT(Rect r) { return RECT { r.Left, r.Top, r.Right, r.Bottom }; }
inline Rect FromRECT(const RECT& r) { return Rect { r.left, r.top, r.right, r.bottom }; }

// The 40-byte header of a top-down 24-bit picture of the given size.
BITMAPINFO TopDown24Info(int32_t width, int32_t height);

// Copies every pixel of a view 1:1 to the device at (x, y).
void BlitPixels(HDC dc, int32_t x, int32_t y, PixelView pixels);

} // namespace ventro
