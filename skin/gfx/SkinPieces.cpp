// Composing skin pieces at a target size.
#include "skin/gfx/SkinPieces.h"

#include <algorithm>

#include "skin/gfx/PixelOps.h"

namespace ventro {
namespace {

// Skin integers meet in 64 bits and go back to 32 bits saturated: a
// coordinate beyond the 32-bit range lies outside every picture either way.
int32_t Sat(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
Rect R64(int64_t l, int64_t t, int64_t r, int64_t b) { return Rect { Sat(l), Sat(t), Sat(r), Sat(b) }; }
int64_t W(Rect r) { return int64_t(r.Right) - r.Left; }
int64_t H(Rect r) { return int64_t(r.Bottom) - r.Top; }
// v limited to 0..limit (0 when the limit is negative).
int32_t Within(int64_t v, int64_t limit) { return int32_t(std::clamp<int64_t>(v, 0, std::max<int64_t>(limit, 0))); }

// Of the tiles 0 to count of length p laid from start, the first and last
// that can reach into 0..limit. Tiles wholly outside the target are skipped
// arithmetically, so the work follows the target, never the skin's numbers.
struct TileSpan {
    int64_t First, Last;
};
TileSpan VisibleTiles(int64_t start, int64_t p, int64_t count, int64_t limit)
{
    int64_t first = start >= 0 ? 0 : -start / p;
    int64_t last = limit - 1 - start < 0 ? -1 : (limit - 1 - start) / p;
    return TileSpan { first, std::min(last, count) };
}

// Tiles piece along x from area.Left: tiles 0 to count, each as wide as the
// piece and stretched across to the area's height; the last is trimmed at
// area.Right with its source shortened by the same amount.
void TileX(PixelView dst, Rect area, PixelView src, Rect piece, int64_t count)
{
    const int64_t p = W(piece);
    if (p <= 0)
        return;
    const TileSpan span = VisibleTiles(area.Left, p, count, dst.Width());
    for (int64_t i = span.First; i <= span.Last; ++i) {
        int64_t x = area.Left + i * p;
        int64_t cut = std::max<int64_t>(0, x + p - area.Right);
        if (cut >= p)
            break;
        StretchPixels(dst, R64(x, area.Top, x + p - cut, area.Bottom), src,
            R64(piece.Left, piece.Top, piece.Right - cut, piece.Bottom));
    }
}

// The same along y.
void TileY(PixelView dst, Rect area, PixelView src, Rect piece, int64_t count)
{
    const int64_t p = H(piece);
    if (p <= 0)
        return;
    const TileSpan span = VisibleTiles(area.Top, p, count, dst.Height());
    for (int64_t i = span.First; i <= span.Last; ++i) {
        int64_t y = area.Top + i * p;
        int64_t cut = std::max<int64_t>(0, y + p - area.Bottom);
        if (cut >= p)
            break;
        StretchPixels(dst, R64(area.Left, y, area.Right, y + p - cut), src,
            R64(piece.Left, piece.Top, piece.Right, piece.Bottom - cut));
    }
}

int64_t TileCount(int64_t length, int64_t piece) { return piece > 0 ? length / piece : -1; }

// An edge: stretched into its area, or tiled along its length.
void DrawEdge(PixelView dst, Rect area, PixelView src, Rect piece, bool stretch, bool alongX)
{
    int64_t p = alongX ? W(piece) : H(piece);
    if (p <= 0)
        return;
    if (stretch)
        StretchPixels(dst, area, src, piece);
    else if (alongX)
        TileX(dst, area, src, piece, TileCount(W(area), p));
    else
        TileY(dst, area, src, piece, TileCount(H(area), p));
}

bool Inside(Rect inner, Rect outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right
        && inner.Bottom <= outer.Bottom;
}

void DrawClient(PixelView dst, Rect newC, PixelView src, Rect piece, const PieceStretch& stretch, Color fill)
{
    if (W(newC) <= 0 || H(newC) <= 0)
        return;
    if (W(piece) <= 0 || H(piece) <= 0 || !Inside(piece, ViewBounds(src))) {
        FillPixels(dst, newC, fill);
        return;
    }
    // Inside the source, so both fit its 32-bit size.
    const int32_t pw = piece.Width(), ph = piece.Height();
    if (!stretch.Client) {
        const int64_t columns = W(newC) / pw;
        const TileSpan rows = VisibleTiles(newC.Top, ph, H(newC) / ph, dst.Height());
        for (int64_t j = rows.First; j <= rows.Last; ++j) {
            int64_t y = newC.Top + j * ph;
            int64_t cut = std::max<int64_t>(0, y + ph - newC.Bottom);
            if (cut >= ph)
                break;
            TileX(dst, R64(newC.Left, y, newC.Right, y + ph - cut), src,
                R64(piece.Left, piece.Top, piece.Right, piece.Bottom - cut), columns);
        }
        return;
    }
    // The repeated types draw straight into the part of the target inside
    // NewC, which cuts the last repetition at NewC's edge.
    PixelView clip = SubView(dst, newC);
    if (clip.IsEmpty())
        return;
    const Rect shown = IntersectRects(newC, ViewBounds(dst));
    const int64_t left = int64_t(newC.Left) - shown.Left, top = int64_t(newC.Top) - shown.Top;
    switch (stretch.ClientType) {
    case ClientStretchType::Horizontal: {
        // One column of the client's width stretched to the target height,
        // repeated rightward from NewC.Left.
        const TileSpan span = VisibleTiles(left, pw, W(newC) / pw, clip.Width());
        for (int64_t i = span.First; i <= span.Last; ++i)
            StretchPixels(clip, R64(left + i * pw, top, left + (i + 1) * pw, top + H(newC)), src, piece);
        break;
    }
    case ClientStretchType::Vertical: {
        const TileSpan span = VisibleTiles(top, ph, H(newC) / ph, clip.Height());
        for (int64_t j = span.First; j <= span.Last; ++j)
            StretchPixels(clip, R64(left, top + j * ph, left + W(newC), top + (j + 1) * ph), src, piece);
        break;
    }
    default:
        StretchPixels(dst, newC, src, piece);
        break;
    }
}

} // namespace

PieceGeometry MovePieceGeometry(const PieceGeometry& g, int32_t dx, int32_t dy)
{
    PieceGeometry m = g;
    m.RT.X = Sat(int64_t(m.RT.X) + dx);
    m.LB.Y = Sat(int64_t(m.LB.Y) + dy);
    m.RB.X = Sat(int64_t(m.RB.X) + dx);
    m.RB.Y = Sat(int64_t(m.RB.Y) + dy);
    m.C.Right = Sat(int64_t(m.C.Right) + dx);
    m.C.Bottom = Sat(int64_t(m.C.Bottom) + dy);
    return m;
}

// A strip is as high as its skin rectangle, but never higher than the
// picture it is cut from: rows beyond the picture could never be drawn.
void BuildHorzStrip(int32_t lo, int32_t ro, PixelBuffer& target, PixelView source, Rect r, int32_t aw, bool stretch)
{
    const int32_t h = Within(H(r), source.Height());
    target.Resize(aw, h);
    PixelView dst = target.View();
    if (dst.IsEmpty())
        return;
    if (lo > 0)
        CopyPiece(dst, Rect { 0, 0, lo, h }, source, R64(r.Left, r.Top, int64_t(r.Left) + lo, r.Bottom));
    if (ro > 0)
        CopyPiece(dst, R64(int64_t(aw) - ro, 0, aw, h), source, R64(int64_t(r.Right) - ro, r.Top, r.Right, r.Bottom));
    const int64_t middleLeft = int64_t(r.Left) + lo, middleRight = int64_t(r.Right) - ro;
    if (middleRight < middleLeft)
        return;
    // A middle of no width is taken as one column.
    Rect middle = R64(middleLeft, r.Top, std::max(middleRight, middleLeft + 1), r.Bottom);
    Rect area = R64(lo, 0, int64_t(aw) - ro, h);
    if (stretch)
        StretchPixels(dst, area, source, middle);
    else
        TileX(dst, area, source, middle, TileCount(int64_t(aw) - lo - ro, W(middle)));
}

void BuildVertStrip(int32_t to, int32_t bo, PixelBuffer& target, PixelView source, Rect r, int32_t ah, bool stretch)
{
    const int32_t w = Within(W(r), source.Width());
    target.Resize(w, ah);
    PixelView dst = target.View();
    if (dst.IsEmpty())
        return;
    if (to > 0)
        CopyPiece(dst, Rect { 0, 0, w, to }, source, R64(r.Left, r.Top, r.Right, int64_t(r.Top) + to));
    if (bo > 0)
        CopyPiece(dst, R64(0, int64_t(ah) - bo, w, ah), source, R64(r.Left, int64_t(r.Bottom) - bo, r.Right, r.Bottom));
    Rect middle = R64(r.Left, int64_t(r.Top) + to, r.Right, int64_t(r.Bottom) - bo);
    if (H(middle) <= 0)
        return;
    Rect area = R64(0, to, w, int64_t(ah) - bo);
    if (stretch)
        StretchPixels(dst, area, source, middle);
    else
        TileY(dst, area, source, middle, TileCount(int64_t(ah) - to - bo, H(middle)));
}

void BuildNinePatch(const PieceGeometry& s, const PieceGeometry& d, PixelBuffer& target, PixelView source, Rect r,
    int32_t aw, int32_t ah, bool drawClient, const PieceStretch& stretch, Color clientFill)
{
    target.Resize(aw, ah);
    PixelView dst = target.View();
    if (dst.IsEmpty() || s.RB.X == s.LT.X || s.RB.Y == s.LT.Y || source.IsEmpty())
        return;
    const int64_t w0 = W(r), h0 = H(r);
    auto at = [&](int64_t l, int64_t t, int64_t rt, int64_t b) {
        return R64(l + r.Left, t + r.Top, rt + r.Left, b + r.Top);
    };

    DrawEdge(dst, Rect { d.LT.X, 0, d.RT.X, d.C.Top }, source, at(s.LT.X, 0, s.RT.X, s.C.Top), stretch.Top, true);
    DrawEdge(dst, Rect { d.LB.X, d.C.Bottom, d.RB.X, ah }, source, at(s.LB.X, s.C.Bottom, s.RB.X, h0), stretch.Bottom,
        true);
    DrawEdge(dst, Rect { 0, d.LT.Y, d.C.Left, d.LB.Y }, source, at(0, s.LT.Y, s.C.Left, s.LB.Y), stretch.Left, false);
    DrawEdge(dst, Rect { d.C.Right, d.RT.Y, aw, d.RB.Y }, source, at(s.C.Right, s.RT.Y, w0, s.RB.Y), stretch.Right,
        false);

    // The corners are L-shaped, drawn as two rectangles each, unscaled.
    CopyPiece(dst, Rect { 0, 0, d.LT.X, d.C.Top }, source, at(0, 0, s.LT.X, s.C.Top));
    CopyPiece(dst, Rect { 0, d.C.Top, d.C.Left, d.LT.Y }, source, at(0, s.C.Top, s.C.Left, s.LT.Y));
    CopyPiece(dst, Rect { d.RT.X, 0, aw, d.C.Top }, source, at(s.RT.X, 0, w0, s.C.Top));
    CopyPiece(dst, Rect { d.C.Right, d.C.Top, aw, d.RT.Y }, source, at(s.C.Right, s.C.Top, w0, s.RT.Y));
    CopyPiece(dst, Rect { 0, d.LB.Y, d.C.Left, ah }, source, at(0, s.LB.Y, s.C.Left, h0));
    CopyPiece(dst, Rect { d.C.Left, d.C.Bottom, d.LB.X, ah }, source, at(s.C.Left, s.C.Bottom, s.LB.X, h0));
    CopyPiece(dst, Rect { d.RB.X, d.C.Bottom, aw, ah }, source, at(s.RB.X, s.C.Bottom, w0, h0));
    CopyPiece(dst, Rect { d.C.Right, d.RB.Y, aw, d.C.Bottom }, source, at(s.C.Right, s.RB.Y, w0, s.C.Bottom));

    if (drawClient)
        DrawClient(dst, d.C, source, at(s.C.Left, s.C.Top, s.C.Right, s.C.Bottom), stretch, clientFill);
}

void BuildMarginStretch(PixelBuffer& target, PixelView source, Rect r, bool drawClient, Rect m, Color clientFill)
{
    PieceGeometry g { { m.Left, m.Top }, { m.Right, m.Top }, { m.Left, m.Bottom }, { m.Right, m.Bottom }, m };
    PieceGeometry moved = MovePieceGeometry(g, Sat(target.Width() - W(r)), Sat(target.Height() - H(r)));
    PieceStretch all { true, true, true, true, true, ClientStretchType::Full };
    BuildNinePatch(g, moved, target, source, r, target.Width(), target.Height(), drawClient, all, clientFill);
}

namespace {

// The left or right frame band: a column of the skin, its middle rows from
// pieceTop to pieceBottom stretched or tiled, its fixed ends copied.
void BuildSideBand(PixelBuffer& band, int32_t width, int32_t height, PixelView source, int64_t columnLeft,
    int64_t rTop, int32_t pieceTop, int32_t pieceBottom, Rect c, bool stretch)
{
    band.Resize(width, height);
    PixelView dst = band.View();
    const int64_t columnRight = columnLeft + width;
    Rect piece = R64(columnLeft, rTop + pieceTop, columnRight, rTop + pieceBottom);
    if (stretch)
        StretchPixels(dst, R64(0, int64_t(pieceTop) - c.Top, width, int64_t(height) + pieceBottom - c.Bottom), source,
            piece);
    else
        TileY(dst, Rect { 0, 0, width, height }, source, piece, TileCount(height, int64_t(pieceBottom) - pieceTop));
    if (pieceTop > c.Top)
        CopyPiece(dst, R64(0, 0, width, int64_t(pieceTop) - c.Top), source,
            R64(columnLeft, rTop + c.Top, columnRight, rTop + pieceTop));
    if (c.Bottom > pieceBottom)
        CopyPiece(dst, R64(0, int64_t(height) - (int64_t(c.Bottom) - pieceBottom), width, height), source,
            R64(columnLeft, rTop + pieceBottom, columnRight, rTop + c.Bottom));
}

} // namespace

// Every band is bounded by the window: none is wider than aw or taller than ah.
void BuildBorderBands(const PieceGeometry& s, const PieceGeometry& d, PixelView source, Rect r, int32_t aw,
    int32_t ah, const PieceStretch& stretch, FrameBands& bands)
{
    bands = FrameBands {};
    const int64_t w0 = W(r), h0 = H(r);
    const int32_t topH = Within(d.C.Top, ah);
    const int32_t bottomH = Within(int64_t(ah) - d.C.Bottom, ah);
    const int64_t rest = int64_t(ah) - topH - bottomH;

    if (aw > 0 && topH > 0 && s.RT.X > s.LT.X) {
        bands.Top.Resize(aw, topH);
        PixelView dst = bands.Top.View();
        Rect middle = R64(int64_t(r.Left) + s.LT.X, r.Top, int64_t(r.Left) + s.RT.X, int64_t(r.Top) + topH);
        if (stretch.Top)
            StretchPixels(dst, Rect { d.LT.X, 0, d.RT.X, topH }, source, middle);
        else
            TileX(dst, Rect { 0, 0, aw, topH }, source, middle, TileCount(aw, W(middle)));
        CopyPiece(dst, Rect { 0, 0, d.LT.X, topH }, source,
            R64(r.Left, r.Top, int64_t(r.Left) + s.LT.X, int64_t(r.Top) + topH));
        CopyPiece(dst, Rect { d.RT.X, 0, aw, topH }, source,
            R64(int64_t(r.Left) + s.RT.X, r.Top, r.Left + w0, int64_t(r.Top) + topH));
    }
    if (aw > 0 && bottomH > 0 && s.RB.X > s.LB.X) {
        bands.Bottom.Resize(aw, bottomH);
        PixelView dst = bands.Bottom.View();
        const int64_t top = r.Top + h0 - bottomH;
        Rect middle = R64(int64_t(r.Left) + s.LB.X, top, int64_t(r.Left) + s.RB.X, top + bottomH);
        if (stretch.Bottom)
            StretchPixels(dst, Rect { d.LB.X, 0, d.RB.X, bottomH }, source, middle);
        else
            TileX(dst, Rect { 0, 0, aw, bottomH }, source, middle, TileCount(aw, W(middle)));
        CopyPiece(dst, Rect { 0, 0, d.LB.X, bottomH }, source, R64(r.Left, top, int64_t(r.Left) + s.LB.X, top + bottomH));
        CopyPiece(dst, Rect { d.RB.X, 0, aw, bottomH }, source,
            R64(int64_t(r.Left) + s.RB.X, top, r.Left + w0, top + bottomH));
    }
    const int32_t leftW = Within(d.C.Left, aw);
    if (leftW > 0 && rest > 0 && s.LB.Y > s.LT.Y)
        BuildSideBand(bands.Left, leftW, int32_t(rest), source, r.Left, r.Top, s.LT.Y, s.LB.Y, s.C, stretch.Left);
    const int32_t rightW = Within(int64_t(aw) - d.C.Right, aw);
    if (rightW >= 1 && rest >= 1 && s.RB.Y > s.RT.Y)
        BuildSideBand(bands.Right, rightW, int32_t(rest), source, int64_t(r.Left) + s.C.Right, r.Top, s.RT.Y, s.RB.Y,
            s.C, stretch.Right);
}

// The bands start white, so a pixel that no piece of the mask covers is
// outside the window shape; like the border bands they are bounded by the window.
void BuildMaskBands(const PieceGeometry& s, const PieceGeometry& d, int32_t aw, int32_t ah, PixelView mask,
    FrameBands& bands)
{
    bands = FrameBands {};
    const int64_t mw = mask.Width(), mh = mask.Height();
    auto start = [](PixelBuffer& band, int32_t w, int32_t h) {
        band.Resize(w, h);
        FillPixels(band.View(), ViewBounds(band.View()), ClWhite);
        return band.View();
    };
    const int32_t sideH = Within(H(d.C), ah);
    auto side = [&](PixelBuffer& band, int64_t left, int64_t right, int32_t pieceTop, int32_t pieceBottom) {
        const int32_t w = Within(right - left, aw);
        const int64_t columnRight = left + w;
        PixelView dst = start(band, w, sideH);
        if (pieceBottom != pieceTop)
            TileY(dst, Rect { 0, 0, w, sideH }, mask, R64(left, pieceTop, columnRight, pieceBottom),
                TileCount(sideH, int64_t(pieceBottom) - pieceTop));
        if (pieceTop > s.C.Top)
            CopyPiece(dst, R64(0, 0, w, int64_t(pieceTop) - s.C.Top), mask, R64(left, s.C.Top, columnRight, pieceTop));
        if (s.C.Bottom > pieceBottom)
            CopyPiece(dst, R64(0, int64_t(sideH) - (int64_t(s.C.Bottom) - pieceBottom), w, sideH), mask,
                R64(left, pieceBottom, columnRight, s.C.Bottom));
    };
    if (s.C.Left > 0 && sideH > 0)
        side(bands.Left, 0, s.C.Left, s.LT.Y, s.LB.Y);
    if (mw - s.C.Right > 0 && sideH > 0)
        side(bands.Right, s.C.Right, mw, s.RT.Y, s.RB.Y);

    auto across = [&](PixelBuffer& band, int64_t top, int64_t bottom, int32_t pieceLeft, int32_t pieceRight,
                      int32_t newLeft, int32_t newRight) {
        const int32_t h = Within(bottom - top, ah);
        PixelView dst = start(band, aw, h);
        if (pieceRight != pieceLeft)
            TileX(dst, Rect { newLeft, 0, newRight, h }, mask, R64(pieceLeft, top, pieceRight, top + h),
                TileCount(aw, int64_t(pieceRight) - pieceLeft));
        CopyPiece(dst, Rect { 0, 0, pieceLeft, h }, mask, R64(0, top, pieceLeft, top + h));
        CopyPiece(dst, Rect { newRight, 0, aw, h }, mask, R64(pieceRight, top, mw, top + h));
    };
    if (aw > 0 && s.C.Top > 0)
        across(bands.Top, 0, s.C.Top, s.LT.X, s.RT.X, d.LT.X, d.RT.X);
    if (aw >= 1 && mh - s.C.Bottom >= 1)
        across(bands.Bottom, s.C.Bottom, mh, s.LB.X, s.RB.X, d.LB.X, d.RB.X);
}

} // namespace ventro
