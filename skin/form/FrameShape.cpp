// The shape of a skinned window.
#include "skin/form/FrameShape.h"

#include <algorithm>

#include "skin/gfx/MaskRegion.h"
#include "skin/gfx/PixelOps.h"
#include "skin/gfx/RectUtils.h"

namespace ventro {

FrameShape RectangularShape(int32_t width, int32_t height)
{
    FrameShape s;
    s.Width = width;
    s.Height = height;
    s.NewMask = Rect { 0, 0, width, height };
    s.Region = FrameRegionRects(s);
    return s;
}

FrameShape BuildFrameShape(const FrameSkinInfo& skin, const TFrameGeometry& g, PixelView mask, size_t maxRects)
{
    if (!skin.HasMask || mask.IsEmpty())
        return RectangularShape(g.Width, g.Height);
    FrameShape s;
    s.Masked = true;
    s.Width = g.Width;
    s.Height = g.Height;
    s.NewMask = g.NewMask;
    PieceGeometry moved { g.NewLT, g.NewRT, g.NewLB, g.NewRB, g.NewMask };
    BuildMaskBands(skin.MaskPiece(), moved, g.Width, g.Height, mask, s.Bands);
    s.Region = FrameRegionRects(s);
    if (s.Region.size() > maxRects) {
        FrameShape plain = RectangularShape(g.Width, g.Height);
        plain.RefusedRects = s.Region.size();
        plain.RefusedLimit = maxRects;
        return plain;
    }
    return s;
}

std::string RefusedMaskReason(const FrameShape& s)
{
    if (s.RefusedRects == 0)
        return {};
    return "the mask gives " + std::to_string(s.RefusedRects) + " rectangles at " + std::to_string(s.Width) + "x"
        + std::to_string(s.Height) + ", more than the " + std::to_string(s.RefusedLimit)
        + " of one window region: the window is rectangular";
}

bool BandPixelInside(const PixelBuffer& band, int64_t x, int64_t y)
{
    if (band.IsEmpty() || x < 0 || y < 0 || x >= band.Width() || y >= band.Height())
        return false;
    const uint8_t* p = band.View().RowUnchecked(int32_t(y)) + x * 3;
    return (p[0] | p[1] | p[2]) == 0;
}

bool PointInWindowShape(const FrameShape& s, Point p)
{
    if (s.NewMask.Contains(p))
        return true;
    if (!s.Masked)
        return false;
    // Rows above NewMask.Top belong to the top band, rows from NewMask.Bottom
    // to the bottom band, and the rows between to the side bands: exactly
    // where the region puts each band.
    const int64_t x = p.X, y = p.Y;
    if (y < s.NewMask.Top)
        return BandPixelInside(s.Bands.Top, x, y);
    if (y >= s.NewMask.Bottom)
        return BandPixelInside(s.Bands.Bottom, x, y - s.NewMask.Bottom);
    if (x >= s.NewMask.Right)
        return BandPixelInside(s.Bands.Right, x - s.NewMask.Right, y - s.NewMask.Top);
    return BandPixelInside(s.Bands.Left, x, y - s.NewMask.Top);
}

std::vector<Rect> CanonicalRegion(std::vector<Rect> rects)
{
    std::erase_if(rects, [](const Rect& r) { return IsEmptyRect(r); });
    std::vector<Rect> out;
    if (rects.empty())
        return out;
    std::vector<int32_t> ys;
    ys.reserve(rects.size() * 2);
    for (const Rect& r : rects) {
        ys.push_back(r.Top);
        ys.push_back(r.Bottom);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::sort(rects.begin(), rects.end(), [](const Rect& a, const Rect& b) { return a.Top < b.Top; });

    std::vector<const Rect*> active;
    std::vector<std::pair<int32_t, int32_t>> spans, previous;
    size_t next = 0, previousStart = 0;
    int32_t previousBottom = 0;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        const int32_t y0 = ys[i], y1 = ys[i + 1];
        std::erase_if(active, [y0](const Rect* r) { return r->Bottom <= y0; });
        while (next < rects.size() && rects[next].Top <= y0)
            active.push_back(&rects[next++]);
        spans.clear();
        for (const Rect* r : active)
            spans.emplace_back(r->Left, r->Right);
        std::sort(spans.begin(), spans.end());
        size_t merged = 0;
        for (size_t k = 0; k < spans.size(); ++k) {
            if (merged > 0 && spans[k].first <= spans[merged - 1].second)
                spans[merged - 1].second = std::max(spans[merged - 1].second, spans[k].second);
            else
                spans[merged++] = spans[k];
        }
        spans.resize(merged);
        if (spans.empty()) {
            previous.clear();
            continue;
        }
        if (!previous.empty() && previousBottom == y0 && spans == previous) {
            for (size_t k = previousStart; k < out.size(); ++k)
                out[k].Bottom = y1;
        } else {
            previousStart = out.size();
            for (const auto& [l, r] : spans)
                out.push_back(Rect { l, y0, r, y1 });
            previous = spans;
        }
        previousBottom = y1;
    }
    return out;
}

Rect RegionBounds(const std::vector<Rect>& rects)
{
    if (rects.empty())
        return Rect {};
    Rect b = rects.front();
    for (const Rect& r : rects) {
        b.Left = std::min(b.Left, r.Left);
        b.Top = std::min(b.Top, r.Top);
        b.Right = std::max(b.Right, r.Right);
        b.Bottom = std::max(b.Bottom, r.Bottom);
    }
    return b;
}

bool RegionContains(const std::vector<Rect>& rects, Point p)
{
    return std::any_of(rects.begin(), rects.end(), [p](const Rect& r) { return r.Contains(p); });
}

std::vector<Rect> FrameRegionRects(const FrameShape& s)
{
    const Rect window { 0, 0, s.Width, s.Height };
    std::vector<Rect> rects;
    auto add = [&](const Rect& r) {
        Rect clipped = IntersectRects(r, window);
        if (!IsEmptyRect(clipped))
            rects.push_back(clipped);
    };
    add(s.NewMask);
    if (s.Masked) {
        // A band placed far outside the window (only a hostile geometry does
        // that) has nothing to give, and its offsets must not overflow.
        auto band = [&](const PixelBuffer& b, int32_t x, int32_t y) {
            constexpr int32_t far = 1 << 24;
            if (!b.IsEmpty() && x > -far && x < far && y > -far && y < far)
                for (const Rect& r : MaskToRects(b.View(), x, y))
                    add(r);
        };
        band(s.Bands.Top, 0, 0);
        band(s.Bands.Bottom, 0, s.NewMask.Bottom);
        band(s.Bands.Left, 0, s.NewMask.Top);
        band(s.Bands.Right, s.NewMask.Right, s.NewMask.Top);
    }
    return CanonicalRegion(std::move(rects));
}

} // namespace ventro
