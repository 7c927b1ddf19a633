// The Windows side of the skin drawing helpers: regions from masks, glyphs on
// a device, window alpha and the work area. Text goes through GdiTextPainter.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "skin/gfx/Glyphs.h"
#include "skin/gfx/SkinPieces.h"

namespace ventro {

// A plain colour for a colour that may name a system colour.
Color ResolveColor(Color c);

// One region-from-data call over bytes from MaskToRegionData; no bytes, no region.
RegionHandle RegionFromData(const std::vector<uint8_t>& data);
// The whole mask as a region at 0,0: black is inside.
RegionHandle MaskToRegion(PixelView mask);
RegionHandle MaskToRegion(HBITMAP mask);

// The window region of an element of size aw x ah from its frame mask, or
// no region (a rectangular window) when the corners do not fit or the client is empty.
RegionHandle BuildMaskedRegion(const PieceGeometry& src, const PieceGeometry& dst, int32_t aw, int32_t ah,
    PixelView mask);

void DrawGlyph(HDC dc, const Glyph& glyph, Color color);
// Draws cell `cell` (from 1) of a strip of `count` cells at (x, y), the cell's
// bottom-left colour transparent.
void DrawGlyphCell(HDC dc, int32_t x, int32_t y, int32_t cell, int32_t count, HBITMAP strip);

// The version number the platform reports: major in the low byte, minor in the next.
uint32_t PlatformVersion();

// Whether this platform has layered (translucent) windows.
bool LayeredWindowsAvailable();
// Sets a layered window's alpha; the window must already carry WS_EX_LAYERED.
void SetWindowAlpha(HWND wnd, uint8_t alpha);

// The work area (or the whole area) of the monitor nearest the window.
Rect GetWorkArea(HWND wnd, bool workArea);

} // namespace ventro
