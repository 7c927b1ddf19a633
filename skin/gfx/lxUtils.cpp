// The Windows side of the skin drawing helpers.
#include "skin/gfx/lxUtils.h"

#include <vector>

#include "platform/Colors.h"
#include "skin/gfx/DibSection.h"
#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"

namespace ventro {

Color ResolveColor(Color c)
{
    return IsSystemColor(c) ? ResolveSystemColor(c) : c;
}

namespace {

// The pixel helpers fill with the platform's live system colours.
Color LiveSystemColor(uint32_t index) { return ResolveSystemColor(SystemColorFlag | (index & 0xFF)); }
[[maybe_unused]] const bool liveSystemColors = (SetSystemColorSource(LiveSystemColor), true);

} // namespace

RegionHandle RegionFromData(const std::vector<uint8_t>& data)
{
    if (data.size() < RegionDataHeaderSize)
        return RegionHandle();
    return RegionHandle(
        ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

RegionHandle MaskToRegion(PixelView mask) { return RegionFromData(MaskToRegionData(mask, 0, 0)); }

RegionHandle MaskToRegion(HBITMAP mask)
{
    TlxFBitmap pixels(mask);
    return MaskToRegion(pixels.View());
}

namespace {

// a becomes a ∪ b; a missing a takes b over.
void UniteInto(RegionHandle& a, RegionHandle b)
{
    if (!b)
        return;
    if (!a) {
        a = std::move(b);
        return;
    }
    CombineRgn(a.Get(), a.Get(), b.Get(), RGN_OR);
}

} // namespace

RegionHandle BuildMaskedRegion(const PieceGeometry& s, const PieceGeometry& d, int32_t aw, int32_t ah,
    PixelView mask)
{
    if (d.RT.X < d.LT.X || d.LB.Y < d.LT.Y || IsEmptyRect(d.C))
        return RegionHandle();
    FrameBands bands;
    BuildMaskBands(s, d, aw, ah, mask, bands);
    auto band = [](const PixelBuffer& b, int32_t x, int32_t y) {
        return b.IsEmpty() ? RegionHandle() : RegionFromData(MaskToRegionData(b.View(), x, y));
    };
    RegionHandle top = band(bands.Top, 0, 0);
    RegionHandle bottom = band(bands.Bottom, 0, d.C.Bottom);
    RegionHandle left = band(bands.Left, 0, d.C.Top);
    RegionHandle right = band(bands.Right, d.C.Right, d.C.Top);
    RegionHandle base(CreateRectRgn(d.C.Left, d.C.Top, d.C.Right, d.C.Bottom));
    UniteInto(top, std::move(bottom));
    UniteInto(left, std::move(right));
    UniteInto(left, std::move(top));
    UniteInto(base, std::move(left));
    return base;
}

void DrawGlyph(HDC dc, const Glyph& glyph, Color color)
{
    COLORREF c = ResolveColor(color);
    PenHandle pen(CreatePen(PS_SOLID, 1, c));
    BrushHandle fill(CreateSolidBrush(c));
    SelectGuard penGuard(dc, pen.Get());
    for (const GlyphStroke& s : glyph) {
        switch (s.Kind) {
        case StrokeKind::Line:
            MoveToEx(dc, s.A.X, s.A.Y, nullptr);
            LineTo(dc, s.B.X, s.B.Y);
            break;
        case StrokeKind::Frame: {
            SelectGuard brushGuard(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, s.A.X, s.A.Y, s.B.X, s.B.Y);
            break;
        }
        case StrokeKind::Fill: {
            SelectGuard brushGuard(dc, fill.Get());
            Rectangle(dc, s.A.X, s.A.Y, s.B.X, s.B.Y);
            break;
        }
        }
    }
}

void DrawGlyphCell(HDC dc, int32_t x, int32_t y, int32_t cell, int32_t count, HBITMAP strip)
{
    TlxFBitmap pixels(strip);
    Rect r = GlyphCellRect(pixels.Width(), pixels.Height(), cell, count);
    if (IsEmptyRect(r))
        return;
    Color key = pixels.View().PixelAt(r.Left, r.Bottom - 1);
    // The graphics library's own entry: the image library's TransparentBlt
    // only passes on to it, and importing that library costs start-up time.
    GdiTransparentBlt(dc, x, y, r.Width(), r.Height(), pixels.DC(), r.Left, r.Top, r.Width(), r.Height(), key);
}

uint32_t PlatformVersion() { return uint32_t(GetVersion() & 0xFFFF); }

bool LayeredWindowsAvailable() { return CanLayerWindows(PlatformVersion()); }

void SetWindowAlpha(HWND wnd, uint8_t alpha)
{
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    ModuleHandle user(LoadLibraryW(L"USER32"));
    if (!user)
        return;
    auto fn = reinterpret_cast<SetLayeredFn>(
        reinterpret_cast<void*>(GetProcAddress(user.Get(), "SetLayeredWindowAttributes")));
    if (fn)
        fn(wnd, 0, alpha, LWA_ALPHA);
}

Rect GetWorkArea(HWND wnd, bool workArea)
{
    // The desktop work area first, so that a failing query below still
    // leaves a sensible answer.
    RECT desktop {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    Rect result = FromRECT(desktop);
    if (GetSystemMetrics(SM_CMONITORS) > 1) {
        MONITORINFO info {};
        info.cbSize = sizeof(info);
        HMONITOR monitor = MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST);
        if (monitor && GetMonitorInfoW(monitor, &info))
            result = FromRECT(workArea ? info.rcWork : info.rcMonitor);
        return result;
    }
    if (!workArea)
        result = Rect { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    return result;
}

} // namespace ventro
