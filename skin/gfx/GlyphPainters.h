// The named glyph painters of the skin drawing helpers, each (surface, x, y,
// colour), over the shape builders of Glyphs.h: on core pixels here, and on a
// device context in WinGlyphPainters.h.
#pragma once
#include <cstdint>

#include "base/Color.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"

namespace ventro {

void DrawCloseGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawMaximizeGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawMinimizeGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawRestoreGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawSysMenuGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawRollUpGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawRollDownGlyph(PixelView target, int32_t x, int32_t y, Color color);
void DrawTrayGlyph(PixelView target, int32_t x, int32_t y, Color color);
// kind 1 left, 2 right, 3 up, 4 down, centred in r.
void DrawArrowGlyph(PixelView target, Rect r, Color color, int32_t kind);

} // namespace ventro
