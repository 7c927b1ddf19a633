// The Windows side of the frame: the small icon, painting composed bands and
// backgrounds on a device context, and the window region.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/PixelBuffer.h"
#include "platform/Handles.h"
#include "skin/form/FrameCanvas.h"
#include "skin/form/FramePainter.h"

namespace ventro {

// The platform's small icon size, falling back to the caption button size.
Point SmallIconSize();
// The small icon of a form: its own, the application's, or the platform's default.
IconHandle MakeSmallIcon(HICON formIcon, HICON applicationIcon);
// Draws an icon at (x, y) of a pixel surface, as the platform draws icons.
void DrawIconOnPixels(PixelView target, int32_t x, int32_t y, HICON icon, Point size);

// The cursor position packed in a message's second parameter, read signed so
// that monitors left of or above the primary one give negative coordinates.
inline Point CursorFromLParam(LPARAM lParam)
{
    return Point { int32_t(short(LOWORD(lParam))), int32_t(short(HIWORD(lParam))) };
}
// A screen point in window coordinates (origin at the window's outer top-left).
inline Point ScreenToWindowPoint(Point screen, const RECT& windowRect)
{
    return Point { screen.X - windowRect.left, screen.Y - windowRect.top };
}

// The window's rectangle on the screen.
inline Rect WindowRectOf(HWND wnd)
{
    RECT r {};
    GetWindowRect(wnd, &r);
    return Rect { r.left, r.top, r.right, r.bottom };
}
// Redraws the frame, the client and every child.
inline void RedrawWholeWindow(HWND wnd)
{
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Paints composed bands on a device context with the client clipped out.
void PaintFrameImage(HDC dc, const FrameImage& image, Rect client);

// Applies a region made of canonical rectangles to a window. The window owns
// the region once it is applied; only a region that failed to apply is deleted.
bool ApplyWindowRegion(HWND wnd, const std::vector<Rect>& rects);

} // namespace ventro
