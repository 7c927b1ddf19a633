// The small vector glyphs drawn when a skin has no picture for a caption
// button or a menu item, as strokes that both the core rasteriser and the
// platform's line drawing draw to the same pixels, and the glyph-strip cells.
#pragma once
#include <cstdint>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"

namespace ventro {

enum class StrokeKind { Line, Frame, Fill };

struct GlyphStroke {
    StrokeKind Kind;
    // A line runs from A towards B, B itself left out, as the platform draws
    // lines. A frame or a fill covers the rectangle (A.X, A.Y, B.X, B.Y).
    Point A;
    Point B;
};
using Glyph = std::vector<GlyphStroke>;

Glyph CloseGlyph(int32_t x, int32_t y);
Glyph MaximizeGlyph(int32_t x, int32_t y);
Glyph MinimizeGlyph(int32_t x, int32_t y);
Glyph RestoreGlyph(int32_t x, int32_t y);
Glyph SysMenuGlyph(int32_t x, int32_t y);
Glyph RollUpGlyph(int32_t x, int32_t y);
Glyph RollDownGlyph(int32_t x, int32_t y);
Glyph TrayGlyph(int32_t x, int32_t y);
// kind 1 left, 2 right, 3 up, 4 down; other kinds draw nothing.
Glyph ArrowGlyph(Rect r, int32_t kind);

// The pixels of a line without its end point. Exact for horizontal, vertical
// and diagonal lines, the only ones the glyphs use.
std::vector<Point> LinePixels(Point a, Point b);

void RasterizeGlyph(PixelView target, const Glyph& glyph, Color color);

// Cell `cell` (from 1) of a strip of `count` equal cells, or an empty
// rectangle when the strip, the count, the cell width or the number is unusable.
Rect GlyphCellRect(int32_t stripWidth, int32_t stripHeight, int32_t cell, int32_t count);

// Draws that cell at (x, y); the colour of the cell's bottom-left pixel is transparent.
void DrawGlyphCell(PixelView target, int32_t x, int32_t y, int32_t cell, int32_t count, PixelView strip);

} // namespace ventro
