// Copying, stretching and filling rectangles of 24-bit pixel views.
#include "skin/gfx/PixelOps.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace ventro {

Rect IntersectRects(Rect a, Rect b)
{
    Rect r { std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom) };
    if (r.Left >= r.Right || r.Top >= r.Bottom)
        return Rect {};
    return r;
}

Rect OffsetRectBy(Rect r, int32_t dx, int32_t dy)
{
    return Rect { r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy };
}

PixelView SubView(PixelView v, Rect r)
{
    Rect c = IntersectRects(r, ViewBounds(v));
    if (v.IsEmpty() || c.Width() <= 0 || c.Height() <= 0)
        return PixelView();
    return PixelView(v.RowUnchecked(c.Top) + int64_t(c.Left) * 3, c.Width(), c.Height(), v.Stride());
}

void CopyPixels(PixelView dst, int32_t dstX, int32_t dstY, PixelView src, Rect srcRect)
{
    if (dst.IsEmpty() || src.IsEmpty())
        return;
    // Clip the source to its view, then the shifted target to its view, in 64 bits
    // so that extreme coordinates cannot overflow.
    int64_t sl = std::max<int64_t>(srcRect.Left, 0), st = std::max<int64_t>(srcRect.Top, 0);
    int64_t sr = std::min<int64_t>(srcRect.Right, src.Width()), sb = std::min<int64_t>(srcRect.Bottom, src.Height());
    int64_t dl = int64_t(dstX) + (sl - srcRect.Left), dt = int64_t(dstY) + (st - srcRect.Top);
    if (dl < 0) { sl -= dl; dl = 0; }
    if (dt < 0) { st -= dt; dt = 0; }
    sr = std::min<int64_t>(sr, sl + (dst.Width() - dl));
    sb = std::min<int64_t>(sb, st + (dst.Height() - dt));
    if (sl >= sr || st >= sb)
        return;
    size_t bytes = size_t(sr - sl) * 3;
    for (int64_t y = st; y < sb; ++y) {
        const uint8_t* s = src.RowUnchecked(int32_t(y)) + sl * 3;
        uint8_t* d = dst.RowUnchecked(int32_t(dt + y - st)) + dl * 3;
        std::memmove(d, s, bytes);
    }
}

void CopyPiece(PixelView dst, Rect dstRect, PixelView src, Rect srcRect)
{
    int64_t w = std::min<int64_t>(int64_t(dstRect.Right) - dstRect.Left, int64_t(srcRect.Right) - srcRect.Left);
    int64_t h = std::min<int64_t>(int64_t(dstRect.Bottom) - dstRect.Top, int64_t(srcRect.Bottom) - srcRect.Top);
    if (w <= 0 || h <= 0)
        return;
    CopyPixels(dst, dstRect.Left, dstRect.Top, src,
        Rect { srcRect.Left, srcRect.Top, int32_t(srcRect.Left + w), int32_t(srcRect.Top + h) });
}

int32_t StretchSource(int32_t i, int32_t srcLen, int32_t dstLen, bool vertical)
{
    if (srcLen <= 0 || dstLen <= 0 || i < 0 || i >= dstLen)
        return 0;
    // Enlarging: each target pixel takes the source pixel under its centre,
    // a centre exactly on a boundary going to the lower one.
    if (dstLen >= srcLen)
        return int32_t(((2 * int64_t(i) + 1) * srcLen - 1) / (2 * int64_t(dstLen)));
    // Shrinking: each source pixel s falls on the target pixel under its
    // centre, ((2s + 1) dstLen - 1) div (2 srcLen); of the sources that share
    // a target, rows keep the first and columns the last. A one-pixel-wide
    // target takes the last but one column.
    if (!vertical && dstLen == 1)
        return srcLen - 2;
    // The first source whose target is at least t: the least s with
    // (2s + 1) dstLen >= 2 t srcLen + 1.
    auto firstOf = [&](int64_t t) {
        int64_t q = (2 * t * srcLen + dstLen) / dstLen;  // ceil((2 t srcLen + 1) / dstLen)
        return q / 2;
    };
    if (vertical)
        return int32_t(firstOf(i));
    return int32_t(std::min<int64_t>(firstOf(int64_t(i) + 1) - 1, srcLen - 1));
}

std::vector<int32_t> StretchMap(int32_t srcLen, int32_t dstLen, bool vertical)
{
    std::vector<int32_t> map(size_t(std::max(dstLen, 0)));
    for (int32_t i = 0; i < dstLen; ++i)
        map[size_t(i)] = StretchSource(i, srcLen, dstLen, vertical);
    return map;
}

void StretchPixels(PixelView dst, Rect dstRect, PixelView src, Rect srcRect)
{
    int64_t dw = int64_t(dstRect.Right) - dstRect.Left, dh = int64_t(dstRect.Bottom) - dstRect.Top;
    int64_t sw = int64_t(srcRect.Right) - srcRect.Left, sh = int64_t(srcRect.Bottom) - srcRect.Top;
    if (dst.IsEmpty() || src.IsEmpty() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || dw > INT32_MAX || dh > INT32_MAX
        || sw > INT32_MAX || sh > INT32_MAX)
        return;
    if (dw == sw && dh == sh) {
        CopyPixels(dst, dstRect.Left, dstRect.Top, src, srcRect);
        return;
    }
    // Only the visible part of the target is mapped, so the work and the
    // memory follow the target picture, never the rectangles' sizes.
    Rect visible = IntersectRects(dstRect, ViewBounds(dst));
    if (visible.Width() <= 0)
        return;
    // Columns: target column and source column, both inside their views.
    std::vector<std::pair<int32_t, int32_t>> cols;
    cols.reserve(size_t(visible.Width()));
    for (int32_t x = visible.Left; x < visible.Right; ++x) {
        int64_t sx = int64_t(srcRect.Left) + StretchSource(int32_t(int64_t(x) - dstRect.Left), int32_t(sw), int32_t(dw), false);
        if (sx >= 0 && sx < src.Width())
            cols.emplace_back(x, int32_t(sx));
    }
    for (int32_t y = visible.Top; y < visible.Bottom; ++y) {
        int64_t sy = int64_t(srcRect.Top) + StretchSource(int32_t(int64_t(y) - dstRect.Top), int32_t(sh), int32_t(dh), true);
        if (sy < 0 || sy >= src.Height())
            continue;
        const uint8_t* s = src.RowUnchecked(int32_t(sy));
        uint8_t* d = dst.RowUnchecked(y);
        for (auto [x, sx] : cols) {
            d[x * 3] = s[sx * 3];
            d[x * 3 + 1] = s[sx * 3 + 1];
            d[x * 3 + 2] = s[sx * 3 + 2];
        }
    }
}

namespace {

// The classic scheme's colours, by system colour index, for builds where the
// platform has not supplied its live values.
constexpr Color ClassicSystemColors[] = {
    Rgb(212, 208, 200), Rgb(58, 110, 165), Rgb(10, 36, 106), Rgb(128, 128, 128), Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(212, 208, 200),
    Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(10, 36, 106), Rgb(255, 255, 255), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0), Rgb(212, 208, 200), Rgb(255, 255, 255), Rgb(64, 64, 64),
    Rgb(212, 208, 200), Rgb(0, 0, 0), Rgb(255, 255, 225), Rgb(181, 181, 181), Rgb(0, 0, 128),
    Rgb(166, 202, 240), Rgb(192, 192, 192), Rgb(10, 36, 106), Rgb(212, 208, 200),
};

Color ClassicSystemColor(uint32_t index)
{
    return index < std::size(ClassicSystemColors) ? ClassicSystemColors[index] : ClBlack;
}

SystemColorSource g_systemColors = ClassicSystemColor;

} // namespace

void SetSystemColorSource(SystemColorSource source) { g_systemColors = source ? source : ClassicSystemColor; }

Color PlainColor(Color c) { return IsSystemColor(c) ? g_systemColors(c & 0x00FFFFFFu) & 0x00FFFFFFu : c & 0x00FFFFFFu; }

void FillPixels(PixelView dst, Rect r, Color color)
{
    Rect c = IntersectRects(r, ViewBounds(dst));
    if (dst.IsEmpty() || c.Width() <= 0)
        return;
    color = PlainColor(color);
    uint8_t b = BlueOf(color), g = GreenOf(color), red = RedOf(color);
    for (int32_t y = c.Top; y < c.Bottom; ++y) {
        uint8_t* d = dst.RowUnchecked(y);
        for (int32_t x = c.Left; x < c.Right; ++x) {
            d[x * 3] = b;
            d[x * 3 + 1] = g;
            d[x * 3 + 2] = red;
        }
    }
}

void CopyPixelsTransparent(PixelView dst, int32_t x, int32_t y, PixelView src, Color key)
{
    if (dst.IsEmpty() || src.IsEmpty())
        return;
    Rect target = IntersectRects(Rect { x, y, int32_t(std::min<int64_t>(int64_t(x) + src.Width(), INT32_MAX)),
                                     int32_t(std::min<int64_t>(int64_t(y) + src.Height(), INT32_MAX)) },
        ViewBounds(dst));
    for (int32_t ty = target.Top; ty < target.Bottom; ++ty) {
        const uint8_t* s = src.RowUnchecked(ty - y);
        uint8_t* d = dst.RowUnchecked(ty);
        for (int32_t tx = target.Left; tx < target.Right; ++tx) {
            const uint8_t* p = s + int64_t(tx - x) * 3;
            if (Rgb(p[2], p[1], p[0]) != key) {
                d[tx * 3] = p[0];
                d[tx * 3 + 1] = p[1];
                d[tx * 3 + 2] = p[2];
            }
        }
    }
}

} // namespace ventro
