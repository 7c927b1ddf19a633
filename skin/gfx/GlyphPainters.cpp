// The named glyph painters on core pixels.
#include "skin/gfx/GlyphPainters.h"

#include "skin/gfx/Glyphs.h"

namespace ventro {

void DrawCloseGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, CloseGlyph(x, y), c); }
void DrawMaximizeGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, MaximizeGlyph(x, y), c); }
void DrawMinimizeGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, MinimizeGlyph(x, y), c); }
void DrawRestoreGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, RestoreGlyph(x, y), c); }
void DrawSysMenuGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, SysMenuGlyph(x, y), c); }
void DrawRollUpGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, RollUpGlyph(x, y), c); }
void DrawRollDownGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, RollDownGlyph(x, y), c); }
void DrawTrayGlyph(PixelView t, int32_t x, int32_t y, Color c) { RasterizeGlyph(t, TrayGlyph(x, y), c); }
void DrawArrowGlyph(PixelView t, Rect r, Color c, int32_t kind) { RasterizeGlyph(t, ArrowGlyph(r, kind), c); }

} // namespace ventro
