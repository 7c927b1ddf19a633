// The named glyph painters on a device context, drawn with the platform's
// lines and rectangles (the same pixels as the core painters).
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/Color.h"
#include "base/Geometry.h"

namespace ventro {

void DrawCloseGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawMaximizeGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawMinimizeGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawRestoreGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawSysMenuGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawRollUpGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawRollDownGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawTrayGlyph(HDC dc, int32_t x, int32_t y, Color color);
void DrawArrowGlyph(HDC dc, Rect r, Color color, int32_t kind);

} // namespace ventro
