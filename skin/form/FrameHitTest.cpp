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
        return onCaption ? HTCAPTION : HTOBJECT;
    if (st.ObjectHot && !onCaption && !inClient && !st.InSizeMove)
        return HTOBJECT;
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
            return inClient ? HTCLIENT : onCaption ? HTCAPTION : HTOBJECT;
        const int32_t x = p.X, y = p.Y;
        if (x <= g.HitLT.X && y <= g.HitLT.Y)
            return HTTOPLEFT;
        if (x >= g.HitRT.X && y <= g.HitRT.Y)
            return HTTOPRIGHT;
        if (x <= g.HitLB.X && y >= g.HitLB.Y)
            return HTBOTTOMLEFT;
        if (x >= g.HitRB.X && y >= g.HitRB.Y)
            return HTBOTTOMRIGHT;
        if (Rect { g.HitLT.X, 0, g.HitRT.X, g.NewC.Top }.Contains(p))
            return HTTOP;
        if (Rect { g.HitLB.X, g.NewC.Bottom, g.HitRB.X, g.Height }.Contains(p))
            return HTBOTTOM;
        if (Rect { 0, g.HitLT.Y, g.NewC.Left, g.HitLB.Y }.Contains(p))
            return HTLEFT;
        if (Rect { g.NewC.Right, g.HitRT.Y, g.Width, g.HitRB.Y }.Contains(p))
            return HTRIGHT;
    }
    if (inClient)
        return HTCLIENT;
    return onCaption ? HTCAPTION : HTOBJECT;
}

int32_t DefaultHitTest(int32_t w, int32_t h, FrameBorderStyle style, Rect captionTextArea, Point p,
    const HitTestState& st)
{
    const FrameWindowState& ws = st.Window;
    if (!ws.Maximized && !ws.RolledUp && !ws.Minimized && st.Resizable) {
        if (st.ObjectHot)
            return HTOBJECT;
        const int64_t x = p.X, y = p.Y, right = int64_t(w) - 2, bottom = int64_t(h) - 2;
        if (x <= 2 && y <= 2)
            return HTTOPLEFT;
        if (x >= right && y <= 2)
            return HTTOPRIGHT;
        if (x <= 2 && y >= bottom)
            return HTBOTTOMLEFT;
        if (x >= right && y >= bottom)
            return HTBOTTOMRIGHT;
        if (x <= 2)
            return HTLEFT;
        if (y <= 2)
            return HTTOP;
        if (x >= right)
            return HTRIGHT;
        if (y >= bottom)
            return HTBOTTOM;
    }
    if (captionTextArea.Contains(p))
        return HTCAPTION;
    const Rect client { 3, DefaultCaptionHeight(style) + 3, ShiftCoord(w, -3), ShiftCoord(h, -3) };
    return client.Contains(p) ? HTCLIENT : HTOBJECT;
}

} // namespace ventro
