// The Windows side of the frame.
#include "skin/form/WinFrameDrawing.h"

#include <algorithm>

#include "skin/data/SkinLimits.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"
#include "skin/gfx/lxUtils.h"

namespace ventro {
namespace {

// Copies the part of target under r into a section of r's size, lets draw
// paint on the section's device context, and copies that part back.
template <class F>
void DrawThroughSection(HDC dc, PixelView target, Rect r, F draw)
{
    const Rect visible = IntersectRects(r, ViewBounds(target));
    if (IsEmptyRect(visible) || int64_t(r.Width()) * r.Height() > MaxBitmapPixels)
        return;
    DibSection section(r.Width(), r.Height());
    if (section.IsEmpty())
        return;
    const Rect inSection = OffsetRectBy(visible, -r.Left, -r.Top);
    CopyPixels(section.View(), inSection.Left, inSection.Top, target, visible);
    {
        SelectGuard select(dc, section.Handle());
        draw(dc, r.Width(), r.Height());
        GdiFlush();
    }
    CopyPixels(target, visible.Left, visible.Top, section.View(), inSection);
}

} // namespace

Point SmallIconSize()
{
    int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    if (w <= 0 || h <= 0) {
        w = GetSystemMetrics(SM_CXSIZE);
        h = GetSystemMetrics(SM_CYSIZE);
    }
    return Point { w, h };
}

IconHandle MakeSmallIcon(HICON formIcon, HICON applicationIcon)
{
    HICON source = formIcon ? formIcon : applicationIcon ? applicationIcon : LoadIconW(nullptr, IDI_APPLICATION);
    const Point size = SmallIconSize();
    return IconHandle(static_cast<HICON>(CopyImage(source, IMAGE_ICON, size.X, size.Y, 0)));
}

void DrawIconOnPixels(PixelView target, int32_t x, int32_t y, HICON icon, Point size)
{
    if (!icon)
        return;
    MemoryDC dc(CreateCompatibleDC(nullptr));
    DrawThroughSection(dc.Get(), target, Rect { x, y, x + size.X, y + size.Y }, [&](HDC d, int32_t w, int32_t h) {
        DrawIconEx(d, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    });
}

void PaintFrameImage(HDC dc, const FrameImage& image, Rect client)
{
    const int saved = SaveDC(dc);
    if (client.Height() > 0)
        ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    BlitPixels(dc, image.TopAt.X, image.TopAt.Y, image.Bands.Top.View());
    BlitPixels(dc, image.LeftAt.X, image.LeftAt.Y, image.Bands.Left.View());
    BlitPixels(dc, image.RightAt.X, image.RightAt.Y, image.Bands.Right.View());
    BlitPixels(dc, image.BottomAt.X, image.BottomAt.Y, image.Bands.Bottom.View());
    RestoreDC(dc, saved);
}

bool ApplyWindowRegion(HWND wnd, const std::vector<Rect>& rects)
{
    RegionHandle region = RegionFromData(RegionDataFromRects(rects, RegionBounds(rects)));
    if (!region)
        return false;
    // Setting a region measures and redraws the whole window again; a
    // window that already has this one keeps it.
    RegionHandle current(CreateRectRgn(0, 0, 0, 0));
    if (current && GetWindowRgn(wnd, current.Get()) != ERROR && EqualRgn(current.Get(), region.Get()))
        return true;
    if (!SetWindowRgn(wnd, region.Get(), TRUE))
        return false; // the handle still deletes the region
    region.Release(); // the window owns it now
    return true;
}

} // namespace ventro
