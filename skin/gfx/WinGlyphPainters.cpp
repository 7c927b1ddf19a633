// The named glyph painters on a device context.
#include "skin/gfx/WinGlyphPainters.h"

#include "skin/gfx/Glyphs.h"
#include "skin/gfx/lxUtils.h"

namespace ventro {

void DrawCloseGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, CloseGlyph(x, y), c); }
void DrawMaximizeGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, MaximizeGlyph(x, y), c); }
void DrawMinimizeGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, MinimizeGlyph(x, y), c); }
void DrawRestoreGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, RestoreGlyph(x, y), c); }
void DrawSysMenuGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, SysMenuGlyph(x, y), c); }
void DrawRollUpGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, RollUpGlyph(x, y), c); }
void DrawRollDownGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, RollDownGlyph(x, y), c); }
void DrawTrayGlyph(HDC dc, int32_t x, int32_t y, Color c) { DrawGlyph(dc, TrayGlyph(x, y), c); }
void DrawArrowGlyph(HDC dc, Rect r, Color c, int32_t kind) { DrawGlyph(dc, ArrowGlyph(r, kind), c); }

} // namespace ventro
