// Copying, stretching and filling rectangles of 24-bit pixel views, always
// clipped to both views, so any rectangle a skin describes is safe to draw.
#pragma once
#include <cstdint>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"

namespace ventro {

inline Rect ViewBounds(PixelView v) { return Rect { 0, 0, v.Width(), v.Height() }; }
Rect IntersectRects(Rect a, Rect b);
Rect OffsetRectBy(Rect r, int32_t dx, int32_t dy);

// A view of the part of v inside r (empty when they do not overlap).
PixelView SubView(PixelView v, Rect r);

// Copies src's rectangle 1:1 so that its top-left lands at (dstX, dstY).
void CopyPixels(PixelView dst, int32_t dstX, int32_t dstY, PixelView src, Rect srcRect);

// Copies the top-left part of srcRect that fits into dstRect, without scaling.
void CopyPiece(PixelView dst, Rect dstRect, PixelView src, Rect srcRect);

// The source position of target position i (0 <= i < dstLen) the way the
// platform's nearest-neighbour bitmap stretch (COLORONCOLOR) picks it; rows
// (vertical) and columns pick differently when shrinking. Constant time, so
// a stretch costs what its visible target does, whatever the lengths.
int32_t StretchSource(int32_t i, int32_t srcLen, int32_t dstLen, bool vertical);
// StretchSource for every target position.
std::vector<int32_t> StretchMap(int32_t srcLen, int32_t dstLen, bool vertical);

// Nearest-neighbour stretch of srcRect into dstRect. Target pixels whose
// source falls outside src, and target pixels outside dst, are left alone.
void StretchPixels(PixelView dst, Rect dstRect, PixelView src, Rect srcRect);

// A plain 0x00BBGGRR colour for a colour that may name a system colour. The
// Windows side supplies the platform's live values; without them (natively)
// the classic scheme's values answer.
using SystemColorSource = Color (*)(uint32_t index);
void SetSystemColorSource(SystemColorSource source);
Color PlainColor(Color c);

// Fills r (clipped) with a colour, a system colour being resolved first.
void FillPixels(PixelView dst, Rect r, Color color);

// Copies src to (x, y) skipping every pixel of colour key.
void CopyPixelsTransparent(PixelView dst, int32_t x, int32_t y, PixelView src, Color key);

} // namespace ventro
