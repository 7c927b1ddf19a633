// Composing skin pieces at a target size.
#include "skin/gfx/SkinPieces.h"

#include <algorithm>

#include "skin/gfx/PixelOps.h"

namespace ventro {
namespace {

// Tiles piece along x from area.Left: tiles 0 to count, each as wide as the
// piece and stretched across to the area's height; the last is trimmed at
// area.Right with its source shortened by the same amount.
void TileX(PixelView dst, Rect area, PixelView src, Rect piece, int64_t count)
{
    int64_t p = int64_t(piece.Right) - piece.Left;
    if (p <= 0)
        return;
    for (int64_t i = 0; i <= count; ++i) {
        int64_t x = area.Left + i * p;
        int64_t cut = std::max<int64_t>(0, x + p - area.Right);
        if (cut >= p)
            break;
        StretchPixels(dst, Rect { int32_t(x), area.Top, int32_t(x + p - cut), area.Bottom }, src,
            Rect { piece.Left, piece.Top, int32_t(piece.Right - cut), piece.Bottom });
    }
}

// The same along y.
void TileY(PixelView dst, Rect area, PixelView src, Rect piece, int64_t count)
{
    int64_t p = int64_t(piece.Bottom) - piece.Top;
    if (p <= 0)
        return;
    for (int64_t i = 0; i <= count; ++i) {
        int64_t y = area.Top + i * p;
        int64_t cut = std::max<int64_t>(0, y + p - area.Bottom);
        if (cut >= p)
            break;
        StretchPixels(dst, Rect { area.Left, int32_t(y), area.Right, int32_t(y + p - cut) }, src,
            Rect { piece.Left, piece.Top, piece.Right, int32_t(piece.Bottom - cut) });
    }
}

int64_t TileCount(int64_t length, int64_t piece) { return piece > 0 ? length / piece : -1; }

// An edge: stretched into its area, or tiled along its length.
void DrawEdge(PixelView dst, Rect area, PixelView src, Rect piece, bool stretch, bool alongX)
{
    int64_t p = alongX ? int64_t(piece.Right) - piece.Left : int64_t(piece.Bottom) - piece.Top;
    if (p <= 0)
        return;
    if (stretch)
        StretchPixels(dst, area, src, piece);
    else if (alongX)
        TileX(dst, area, src, piece, TileCount(int64_t(area.Right) - area.Left, p));
    else
        TileY(dst, area, src, piece, TileCount(int64_t(area.Bottom) - area.Top, p));
}

bool Inside(Rect inner, Rect outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right
        && inner.Bottom <= outer.Bottom;
}

void DrawClient(PixelView dst, Rect newC, PixelView src, Rect piece, const PieceStretch& stretch, Color fill)
{
    if (newC.Width() <= 0 || newC.Height() <= 0)
        return;
    if (piece.Width() <= 0 || piece.Height() <= 0 || !Inside(piece, ViewBounds(src))) {
        FillPixels(dst, newC, fill);
        return;
    }
    if (!stretch.Client) {
        int64_t columns = int64_t(newC.Width()) / piece.Width();
        for (int64_t j = 0; j <= int64_t(newC.Height()) / piece.Height(); ++j) {
            int64_t y = newC.Top + j * piece.Height();
            int64_t cut = std::max<int64_t>(0, y + piece.Height() - newC.Bottom);
            if (cut >= piece.Height())
                break;
            Rect row { newC.Left, int32_t(y), newC.Right, int32_t(y + piece.Height() - cut) };
            TileX(dst, row, src, Rect { piece.Left, piece.Top, piece.Right, int32_t(piece.Bottom - cut) }, columns);
        }
        return;
    }
    PixelView clip = SubView(dst, newC);
    switch (stretch.ClientType) {
    case ClientStretchType::Horizontal: {
        // One column of the client's width stretched to the target height,
        // repeated rightward and cut at the client's edge.
        PixelBuffer column(piece.Width(), newC.Height());
        StretchPixels(column.View(), ViewBounds(column.View()), src, piece);
        for (int64_t i = 0; i <= int64_t(newC.Width()) / piece.Width(); ++i)
            CopyPixels(clip, int32_t(i * piece.Width()), 0, column.View(), ViewBounds(column.View()));
        break;
    }
    case ClientStretchType::Vertical: {
        PixelBuffer row(newC.Width(), piece.Height());
        StretchPixels(row.View(), ViewBounds(row.View()), src, piece);
        for (int64_t j = 0; j <= int64_t(newC.Height()) / piece.Height(); ++j)
            CopyPixels(clip, 0, int32_t(j * piece.Height()), row.View(), ViewBounds(row.View()));
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
    m.RT.X += dx;
    m.LB.Y += dy;
    m.RB.X += dx;
    m.RB.Y += dy;
    m.C.Right += dx;
    m.C.Bottom += dy;
    return m;
}

void BuildHorzStrip(int32_t lo, int32_t ro, PixelBuffer& target, PixelView source, Rect r, int32_t aw, bool stretch)
{
    const int32_t h = r.Height();
    target.Resize(aw, h);
    PixelView dst = target.View();
    if (dst.IsEmpty())
        return;
    if (lo > 0)
        CopyPiece(dst, Rect { 0, 0, lo, h }, source, Rect { r.Left, r.Top, r.Left + lo, r.Bottom });
    if (ro > 0)
        CopyPiece(dst, Rect { aw - ro, 0, aw, h }, source, Rect { r.Right - ro, r.Top, r.Right, r.Bottom });
    Rect middle { r.Left + lo, r.Top, r.Right - ro, r.Bottom };
    if (middle.Width() == 0)
        middle.Right = middle.Left + 1;
    if (middle.Width() < 0)
        return;
    Rect area { lo, 0, aw - ro, h };
    if (stretch)
        StretchPixels(dst, area, source, middle);
    else
        TileX(dst, area, source, middle, TileCount(int64_t(aw) - lo - ro, middle.Width()));
}

void BuildVertStrip(int32_t to, int32_t bo, PixelBuffer& target, PixelView source, Rect r, int32_t ah, bool stretch)
{
    const int32_t w = r.Width();
    target.Resize(w, ah);
    PixelView dst = target.View();
    if (dst.IsEmpty())
        return;
    if (to > 0)
        CopyPiece(dst, Rect { 0, 0, w, to }, source, Rect { r.Left, r.Top, r.Right, r.Top + to });
    if (bo > 0)
        CopyPiece(dst, Rect { 0, ah - bo, w, ah }, source, Rect { r.Left, r.Bottom - bo, r.Right, r.Bottom });
    Rect middle { r.Left, r.Top + to, r.Right, r.Bottom - bo };
    if (middle.Height() <= 0)
        return;
    Rect area { 0, to, w, ah - bo };
    if (stretch)
        StretchPixels(dst, area, source, middle);
    else
        TileY(dst, area, source, middle, TileCount(int64_t(ah) - to - bo, middle.Height()));
}

void BuildNinePatch(const PieceGeometry& s, const PieceGeometry& d, PixelBuffer& target, PixelView source, Rect r,
    int32_t aw, int32_t ah, bool drawClient, const PieceStretch& stretch, Color clientFill)
{
    target.Resize(aw, ah);
    PixelView dst = target.View();
    if (dst.IsEmpty() || s.RB.X == s.LT.X || s.RB.Y == s.LT.Y || source.IsEmpty())
        return;
    const int32_t w0 = r.Width(), h0 = r.Height();
    auto at = [&](int32_t l, int32_t t, int32_t rt, int32_t b) { return OffsetRectBy(Rect { l, t, rt, b }, r.Left, r.Top); };

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
        DrawClient(dst, d.C, source, OffsetRectBy(s.C, r.Left, r.Top), stretch, clientFill);
}

void BuildMarginStretch(PixelBuffer& target, PixelView source, Rect r, bool drawClient, Rect m, Color clientFill)
{
    PieceGeometry g { { m.Left, m.Top }, { m.Right, m.Top }, { m.Left, m.Bottom }, { m.Right, m.Bottom }, m };
    PieceGeometry moved = MovePieceGeometry(g, target.Width() - r.Width(), target.Height() - r.Height());
    PieceStretch all { true, true, true, true, true, ClientStretchType::Full };
    BuildNinePatch(g, moved, target, source, r, target.Width(), target.Height(), drawClient, all, clientFill);
}

namespace {

// The left or right frame band: a column of the skin, its middle rows from
// pieceTop to pieceBottom stretched or tiled, its fixed ends copied.
void BuildSideBand(PixelBuffer& band, int32_t width, int32_t height, PixelView source, int32_t columnLeft,
    int32_t rTop, int32_t pieceTop, int32_t pieceBottom, Rect c, bool stretch)
{
    band.Resize(width, height);
    PixelView dst = band.View();
    Rect piece { columnLeft, rTop + pieceTop, columnLeft + width, rTop + pieceBottom };
    if (stretch)
        StretchPixels(dst, Rect { 0, pieceTop - c.Top, width, height + pieceBottom - c.Bottom }, source, piece);
    else
        TileY(dst, Rect { 0, 0, width, height }, source, piece, TileCount(height, pieceBottom - pieceTop));
    if (pieceTop > c.Top)
        CopyPiece(dst, Rect { 0, 0, width, pieceTop - c.Top }, source,
            Rect { columnLeft, rTop + c.Top, columnLeft + width, rTop + pieceTop });
    if (c.Bottom > pieceBottom)
        CopyPiece(dst, Rect { 0, height - (c.Bottom - pieceBottom), width, height }, source,
            Rect { columnLeft, rTop + pieceBottom, columnLeft + width, rTop + c.Bottom });
}

} // namespace

void BuildBorderBands(const PieceGeometry& s, const PieceGeometry& d, PixelView source, Rect r, int32_t aw,
    int32_t ah, const PieceStretch& stretch, FrameBands& bands)
{
    bands = FrameBands {};
    const int32_t w0 = r.Width(), h0 = r.Height();
    const int32_t topH = std::max(d.C.Top, 0);
    const int32_t bottomH = std::max(int32_t(int64_t(ah) - d.C.Bottom), 0);
    const int64_t rest = int64_t(ah) - topH - bottomH;

    if (aw > 0 && d.C.Top > 0 && s.RT.X > s.LT.X) {
        bands.Top.Resize(aw, topH);
        PixelView dst = bands.Top.View();
        Rect middle { r.Left + s.LT.X, r.Top, r.Left + s.RT.X, r.Top + topH };
        if (stretch.Top)
            StretchPixels(dst, Rect { d.LT.X, 0, d.RT.X, topH }, source, middle);
        else
            TileX(dst, Rect { 0, 0, aw, topH }, source, middle, TileCount(aw, middle.Width()));
        CopyPiece(dst, Rect { 0, 0, d.LT.X, topH }, source, Rect { r.Left, r.Top, r.Left + s.LT.X, r.Top + topH });
        CopyPiece(dst, Rect { d.RT.X, 0, aw, topH }, source, Rect { r.Left + s.RT.X, r.Top, r.Left + w0, r.Top + topH });
    }
    if (aw > 0 && bottomH > 0 && s.RB.X > s.LB.X) {
        bands.Bottom.Resize(aw, bottomH);
        PixelView dst = bands.Bottom.View();
        int32_t top = r.Top + h0 - bottomH;
        Rect middle { r.Left + s.LB.X, top, r.Left + s.RB.X, top + bottomH };
        if (stretch.Bottom)
            StretchPixels(dst, Rect { d.LB.X, 0, d.RB.X, bottomH }, source, middle);
        else
            TileX(dst, Rect { 0, 0, aw, bottomH }, source, middle, TileCount(aw, middle.Width()));
        CopyPiece(dst, Rect { 0, 0, d.LB.X, bottomH }, source, Rect { r.Left, top, r.Left + s.LB.X, top + bottomH });
        CopyPiece(dst, Rect { d.RB.X, 0, aw, bottomH }, source, Rect { r.Left + s.RB.X, top, r.Left + w0, top + bottomH });
    }
    if (d.C.Left > 0 && rest > 0 && s.LB.Y > s.LT.Y)
        BuildSideBand(bands.Left, d.C.Left, int32_t(rest), source, r.Left, r.Top, s.LT.Y, s.LB.Y, s.C, stretch.Left);
    if (int64_t(aw) - d.C.Right >= 1 && rest >= 1 && s.RB.Y > s.RT.Y)
        BuildSideBand(bands.Right, int32_t(int64_t(aw) - d.C.Right), int32_t(rest), source, r.Left + s.C.Right, r.Top,
            s.RT.Y, s.RB.Y, s.C, stretch.Right);
}

void BuildMaskBands(const PieceGeometry& s, const PieceGeometry& d, int32_t aw, int32_t ah, PixelView mask,
    FrameBands& bands)
{
    (void)ah;
    bands = FrameBands {};
    const int32_t mw = mask.Width(), mh = mask.Height();
    const int32_t sideH = d.C.Height();
    auto side = [&](PixelBuffer& band, int32_t left, int32_t right, int32_t pieceTop, int32_t pieceBottom) {
        band.Resize(right - left, sideH);
        PixelView dst = band.View();
        const int32_t w = right - left;
        if (pieceBottom != pieceTop)
            TileY(dst, Rect { 0, 0, w, sideH }, mask, Rect { left, pieceTop, right, pieceBottom },
                TileCount(sideH, int64_t(pieceBottom) - pieceTop));
        if (pieceTop > s.C.Top)
            CopyPiece(dst, Rect { 0, 0, w, pieceTop - s.C.Top }, mask, Rect { left, s.C.Top, right, pieceTop });
        if (s.C.Bottom > pieceBottom)
            CopyPiece(dst, Rect { 0, sideH - (s.C.Bottom - pieceBottom), w, sideH }, mask,
                Rect { left, pieceBottom, right, s.C.Bottom });
    };
    if (s.C.Left > 0 && sideH > 0)
        side(bands.Left, 0, s.C.Left, s.LT.Y, s.LB.Y);
    if (mw - s.C.Right > 0 && sideH > 0)
        side(bands.Right, s.C.Right, mw, s.RT.Y, s.RB.Y);

    auto across = [&](PixelBuffer& band, int32_t top, int32_t bottom, int32_t pieceLeft, int32_t pieceRight,
                      int32_t newLeft, int32_t newRight) {
        band.Resize(aw, bottom - top);
        PixelView dst = band.View();
        const int32_t h = bottom - top;
        if (pieceRight != pieceLeft)
            TileX(dst, Rect { newLeft, 0, newRight, h }, mask, Rect { pieceLeft, top, pieceRight, bottom },
                TileCount(aw, int64_t(pieceRight) - pieceLeft));
        CopyPiece(dst, Rect { 0, 0, pieceLeft, h }, mask, Rect { 0, top, pieceLeft, bottom });
        CopyPiece(dst, Rect { newRight, 0, aw, h }, mask, Rect { pieceRight, top, mw, bottom });
    };
    if (aw > 0 && s.C.Top > 0)
        across(bands.Top, 0, s.C.Top, s.LT.X, s.RT.X, d.LT.X, d.RT.X);
    if (aw >= 1 && mh - s.C.Bottom >= 1)
        across(bands.Bottom, s.C.Bottom, mh, s.LB.X, s.RB.X, d.LB.X, d.RB.X);
}

} // namespace ventro
