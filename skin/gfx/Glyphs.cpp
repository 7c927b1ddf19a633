// The small vector glyphs and the glyph-strip cells.
#include "skin/gfx/Glyphs.h"

#include <algorithm>
#include <cstdlib>

#include "skin/gfx/PixelOps.h"

namespace ventro {
namespace {

GlyphStroke Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return { StrokeKind::Line, { x1, y1 }, { x2, y2 } };
}
GlyphStroke Frame(int32_t l, int32_t t, int32_t r, int32_t b) { return { StrokeKind::Frame, { l, t }, { r, b } }; }

} // namespace

Glyph CloseGlyph(int32_t x, int32_t y)
{
    return { Line(x + 1, y + 1, x + 9, y + 9), Line(x + 9, y + 1, x + 1, y + 9), Line(x + 2, y + 1, x + 10, y + 9),
        Line(x + 8, y + 1, x, y + 9) };
}

Glyph MaximizeGlyph(int32_t x, int32_t y) { return { Frame(x, y, x + 11, y + 10), Frame(x, y, x + 11, y + 2) }; }

Glyph MinimizeGlyph(int32_t x, int32_t y) { return { Line(x + 1, y + 8, x + 9, y + 8), Line(x + 1, y + 9, x + 9, y + 9) }; }

Glyph RestoreGlyph(int32_t x, int32_t y)
{
    return { Frame(x + 2, y, x + 10, y + 6), Frame(x + 2, y, x + 10, y + 2), Frame(x, y + 4, x + 7, y + 10),
        Frame(x, y + 4, x + 7, y + 6) };
}

Glyph SysMenuGlyph(int32_t x, int32_t y) { return { Frame(x + 1, y + 3, x + 9, y + 6) }; }

Glyph RollUpGlyph(int32_t x, int32_t y)
{
    Glyph g;
    for (int32_t i = 0; i <= 4; ++i)
        g.push_back(Line(x + i + 1, y + 6 - i, x + 9 - i, y + 6 - i));
    return g;
}

Glyph RollDownGlyph(int32_t x, int32_t y)
{
    Glyph g;
    for (int32_t i = 0; i <= 4; ++i)
        g.push_back(Line(x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i));
    return g;
}

Glyph TrayGlyph(int32_t x, int32_t y) { return { { StrokeKind::Fill, { x + 2, y + 2 }, { x + 7, y + 7 } } }; }

Glyph ArrowGlyph(Rect r, int32_t kind)
{
    const int32_t cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    Glyph g;
    for (int32_t i = 0; i <= 3; ++i) {
        int32_t n = 3 - i; // kinds 2 and 4 count down from 3
        switch (kind) {
        case 1: g.push_back(Line(cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1)); break;
        case 2: g.push_back(Line(cx + 2 - n, cy - n, cx + 2 - n, cy + n + 1)); break;
        case 3: g.push_back(Line(cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i)); break;
        case 4: g.push_back(Line(cx - n, cy + 2 - n, cx + n + 1, cy + 2 - n)); break;
        default: break;
        }
    }
    return g;
}

std::vector<Point> LinePixels(Point a, Point b)
{
    std::vector<Point> pixels;
    int64_t dx = int64_t(b.X) - a.X, dy = int64_t(b.Y) - a.Y;
    int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    for (int64_t i = 0; i < steps; ++i)
        pixels.push_back(Point { int32_t(a.X + dx * i / steps), int32_t(a.Y + dy * i / steps) });
    return pixels;
}

void RasterizeGlyph(PixelView target, const Glyph& glyph, Color color)
{
    for (const GlyphStroke& s : glyph) {
        Rect r { s.A.X, s.A.Y, s.B.X, s.B.Y };
        switch (s.Kind) {
        case StrokeKind::Line:
            for (Point p : LinePixels(s.A, s.B))
                FillPixels(target, Rect { p.X, p.Y, p.X + 1, p.Y + 1 }, color);
            break;
        case StrokeKind::Frame:
            if (r.Width() <= 0 || r.Height() <= 0)
                break;
            FillPixels(target, Rect { r.Left, r.Top, r.Right, r.Top + 1 }, color);
            FillPixels(target, Rect { r.Left, r.Bottom - 1, r.Right, r.Bottom }, color);
            FillPixels(target, Rect { r.Left, r.Top, r.Left + 1, r.Bottom }, color);
            FillPixels(target, Rect { r.Right - 1, r.Top, r.Right, r.Bottom }, color);
            break;
        case StrokeKind::Fill:
            FillPixels(target, r, color);
            break;
        }
    }
}

Rect GlyphCellRect(int32_t stripWidth, int32_t stripHeight, int32_t cell, int32_t count)
{
    if (stripWidth <= 0 || stripHeight <= 0 || count <= 0 || cell < 1 || cell > count)
        return Rect {};
    int32_t cellWidth = stripWidth / count;
    if (cellWidth <= 0)
        return Rect {};
    return Rect { (cell - 1) * cellWidth, 0, cell * cellWidth, stripHeight };
}

void DrawGlyphCell(PixelView target, int32_t x, int32_t y, int32_t cell, int32_t count, PixelView strip)
{
    if (strip.IsEmpty())
        return;
    Rect r = GlyphCellRect(strip.Width(), strip.Height(), cell, count);
    if (r.Width() <= 0)
        return;
    PixelView cellView = SubView(strip, r);
    CopyPixelsTransparent(target, x, y, cellView, cellView.PixelAt(0, cellView.Height() - 1));
}

} // namespace ventro
