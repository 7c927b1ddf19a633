// The non-client hit tests.
#include "skin/form/FrameHitTest.h"

#include <algorithm>

namespace ventro {

int32_t SkinHitTest(const FrameSkinInfo& skin, const TFrameGeometry& g, const FrameShape& shape,
    std::span<const Rect> captionRects, Point p, const HitTestState& st, std::span<const Rect> buttonRects)
{
    auto on = [p](std::span<const Rect> rects) {
        return std::any_of(rects.begin(), rects.end(), [p](const Rect& r) { return r.Contains(p); });
    };
    const bool onCaption = on(captionRects) && !on(buttonRects);
    const bool inClient = g.NewC.Contains(p);
    if (st.Window.RolledUp || st.Window.Minimized)
        return onCaption ? HitCaption : HitObject;
    if (st.ObjectHot && !onCaption && !inClient && !st.InSizeMove)
        return HitObject;
    if (!st.Window.Maximized && st.Resizable) {
        const int32_t bw = skin.BorderWidth;
        const Point probes[4] = { { ShiftCoord(p.X, -int64_t(bw)), p.Y }, { p.X, ShiftCoord(p.Y, -int64_t(bw)) },
            { ShiftCoord(p.X, bw), p.Y }, { p.X, ShiftCoord(p.Y, bw) } };
        bool near = false;
        if (!shape.Masked) {
            const Rect window { 0, 0, g.Width, g.Height };
            near = std::any_of(std::begin(probes), std::end(probes), [&](Point q) { return !window.Contains(q); });
        } else if (!g.NewMask.Contains(p)) {
            near = std::any_of(std::begin(probes), std::end(probes),
                [&](Point q) { return !PointInWindowShape(shape, q); });
        }
        if (!near)
            return inClient ? HitClient : onCaption ? HitCaption : HitObject;
        const int32_t x = p.X, y = p.Y;
        if (x <= g.HitLT.X && y <= g.HitLT.Y)
            return HitTopLeft;
        if (x >= g.HitRT.X && y <= g.HitRT.Y)
            return HitTopRight;
        if (x <= g.HitLB.X && y >= g.HitLB.Y)
            return HitBottomLeft;
        if (x >= g.HitRB.X && y >= g.HitRB.Y)
            return HitBottomRight;
        if (Rect { g.HitLT.X, 0, g.HitRT.X, g.NewC.Top }.Contains(p))
            return HitTop;
        if (Rect { g.HitLB.X, g.NewC.Bottom, g.HitRB.X, g.Height }.Contains(p))
            return HitBottom;
        if (Rect { 0, g.HitLT.Y, g.NewC.Left, g.HitLB.Y }.Contains(p))
            return HitLeft;
        if (Rect { g.NewC.Right, g.HitRT.Y, g.Width, g.HitRB.Y }.Contains(p))
            return HitRight;
    }
    if (inClient)
        return HitClient;
    return onCaption ? HitCaption : HitObject;
}

int32_t DefaultHitTest(int32_t w, int32_t h, FrameBorderStyle style, Rect captionTextArea, Point p,
    const HitTestState& st)
{
    const FrameWindowState& ws = st.Window;
    if (!ws.Maximized && !ws.RolledUp && !ws.Minimized && st.Resizable) {
        if (st.ObjectHot)
            return HitObject;
        const int64_t x = p.X, y = p.Y, right = int64_t(w) - 2, bottom = int64_t(h) - 2;
        if (x <= 2 && y <= 2)
            return HitTopLeft;
        if (x >= right && y <= 2)
            return HitTopRight;
        if (x <= 2 && y >= bottom)
            return HitBottomLeft;
        if (x >= right && y >= bottom)
            return HitBottomRight;
        if (x <= 2)
            return HitLeft;
        if (y <= 2)
            return HitTop;
        if (x >= right)
            return HitRight;
        if (y >= bottom)
            return HitBottom;
    }
    if (captionTextArea.Contains(p))
        return HitCaption;
    const int32_t b = DefaultBorderWidth;
    const Rect client { b, DefaultCaptionHeight(style) + b, ShiftCoord(w, -b), ShiftCoord(h, -b) };
    return client.Contains(p) ? HitClient : HitObject;
}

} // namespace ventro
