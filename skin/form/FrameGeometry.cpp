// Frame geometry of a skinned window.
#include "skin/form/FrameGeometry.h"

#include <algorithm>
#include <limits>

#include "skin/gfx/RectUtils.h"

namespace ventro {

int32_t ShiftCoord(int32_t v, int64_t d)
{
    int64_t r = int64_t(v) + d;
    return int32_t(std::clamp<int64_t>(r, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

namespace {

Point Moved(Point p, int64_t dx, int64_t dy) { return Point { ShiftCoord(p.X, dx), ShiftCoord(p.Y, dy) }; }
Rect OffsetBy(Rect r, int64_t dx, int64_t dy)
{
    return Rect { ShiftCoord(r.Left, dx), ShiftCoord(r.Top, dy), ShiftCoord(r.Right, dx), ShiftCoord(r.Bottom, dy) };
}
Rect GrowBy(Rect r, int64_t dx, int64_t dy) { return Rect { r.Left, r.Top, ShiftCoord(r.Right, dx), ShiftCoord(r.Bottom, dy) }; }

} // namespace

TFrameGeometry CalcFrameGeometry(const FrameSkinInfo& s, int32_t width, int32_t height)
{
    const int64_t dx = int64_t(width) - s.W0, dy = int64_t(height) - s.H0;
    TFrameGeometry g;
    g.Width = width;
    g.Height = height;
    g.NewLT = s.Piece.LT;
    g.NewRT = Moved(s.Piece.RT, dx, 0);
    g.NewLB = Moved(s.Piece.LB, 0, dy);
    g.NewRB = Moved(s.Piece.RB, dx, dy);
    g.NewC = GrowBy(s.Piece.C, dx, dy);
    g.NewCaption = IsEmptyRect(s.CaptionRect) ? s.CaptionRect : GrowBy(s.CaptionRect, dx, 0);
    g.NewButtons = !IsEmptyRect(s.ButtonsRect) && s.ButtonsRect.Left > s.W0 / 2 ? OffsetBy(s.ButtonsRect, dx, 0)
                                                                                 : s.ButtonsRect;
    g.HitLT = s.HitLT;
    g.HitRT = Moved(s.HitRT, dx, 0);
    g.HitLB = Moved(s.HitLB, 0, dy);
    g.HitRB = Moved(s.HitRB, dx, dy);
    g.NewMask = GrowBy(s.MaskArea, dx, dy);
    g.ButtonsOffset = s.ButtonsOffset;
    g.ButtonsInLeft = s.ButtonsInLeft;
    return g;
}

Rect SkinClientRect(const FrameSkinInfo& s, Rect p)
{
    return Rect { ShiftCoord(p.Left, s.Piece.C.Left), ShiftCoord(p.Top, s.Piece.C.Top),
        ShiftCoord(p.Right, int64_t(s.Piece.C.Right) - s.W0), ShiftCoord(p.Bottom, int64_t(s.Piece.C.Bottom) - s.H0) };
}

Rect DefaultClientRect(FrameBorderStyle style, Rect p)
{
    if (style == FrameBorderStyle::None)
        return p;
    return Rect { ShiftCoord(p.Left, DefaultBorderWidth), ShiftCoord(p.Top, DefaultCaptionHeight(style) + DefaultBorderWidth),
        ShiftCoord(p.Right, -DefaultBorderWidth), ShiftCoord(p.Bottom, -DefaultBorderWidth) };
}

int32_t GetMinWidth(const FrameSkinInfo* skin, const FormSizeLimits& limits, const FrameWindowState& state)
{
    if (!skin)
        return limits.MinWidth > 0 ? limits.MinWidth : 120;
    if (skin->W0 < limits.MinWidth && !state.Minimized)
        return limits.MinWidth;
    return skin->FormMinWidth > 0 ? skin->FormMinWidth : skin->W0;
}

int32_t GetMinHeight(const FrameSkinInfo* skin, FrameBorderStyle style, const FormSizeLimits& limits,
    const FrameWindowState& state)
{
    int64_t h = skin ? int64_t(skin->H0) - HeightOfRect(skin->Piece.C) : DefaultCaptionHeight(style) + 6;
    h = std::clamp<int64_t>(h, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    if (h >= limits.MinHeight || state.RolledUp || state.Minimized)
        return int32_t(h);
    return limits.MinHeight;
}

namespace {

int32_t Capped(int64_t v, int32_t cap)
{
    if (cap != 0)
        v = std::min<int64_t>(v, cap);
    return int32_t(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

} // namespace

int32_t GetMaxWidth(const FormSizeLimits& limits, Rect workArea, Rect monitor)
{
    return Capped(WidthOfRect(limits.MaximizeOnFullScreen ? monitor : workArea), limits.MaxWidth);
}

int32_t GetMaxHeight(const FormSizeLimits& limits, Rect workArea, Rect monitor)
{
    return Capped(HeightOfRect(limits.MaximizeOnFullScreen ? monitor : workArea), limits.MaxHeight);
}

namespace {

bool In(Point p, Rect r) { return r.Contains(p); }

// Step 1: an object drawn on the frame picture follows the corner area it lies in.
Rect PlaceOnPicture(const FrameSkinInfo& s, const TFrameGeometry& g, Rect r)
{
    const Rect lta { 0, 0, s.Piece.LT.X, s.Piece.LT.Y };
    const Rect rta { s.Piece.RT.X, 0, s.W0, s.Piece.RT.Y };
    const Rect lba { 0, s.Piece.LB.Y, s.Piece.LB.X, s.H0 };
    const Rect rba { s.Piece.RB.X, s.Piece.RB.Y, s.W0, s.H0 };
    const int64_t ex = int64_t(g.NewRB.X) - s.Piece.RB.X, ey = int64_t(g.NewRB.Y) - s.Piece.RB.Y;
    if (RectInsideRect(r, lta))
        return r;
    if (RectInsideRect(r, rta))
        return OffsetBy(r, ex, 0);
    if (RectInsideRect(r, lba))
        return OffsetBy(r, 0, ey);
    if (RectInsideRect(r, rba))
        return OffsetBy(r, ex, ey);
    const Point tl { r.Left, r.Top }, br { r.Right, r.Bottom };
    if (In(tl, lta) && In(br, rba))
        return GrowBy(r, ex, ey);
    if (In(tl, lta) && In(br, rta))
        return GrowBy(r, ex, 0);
    if (In(tl, lba) && In(br, rba))
        return Rect { r.Left, ShiftCoord(r.Top, ey), ShiftCoord(r.Right, ex), ShiftCoord(r.Bottom, ey) };
    if (In(tl, lta) && In(br, lba))
        return GrowBy(r, 0, ey);
    if (In(tl, rta) && In(br, rba))
        return Rect { ShiftCoord(r.Left, ex), r.Top, ShiftCoord(r.Right, ex), ShiftCoord(r.Bottom, ey) };
    return r;
}

bool IsRowButton(const PlacedObject& o)
{
    return o.SkinRectInAPicture && o.Visible
        && (o.Kind == FrameObjectKind::StdButton || o.Kind == FrameObjectKind::Animate);
}

} // namespace

void PlaceObjects(const FrameSkinInfo& s, const TFrameGeometry& g, std::span<PlacedObject> objects, bool showIcon,
    Point iconSize)
{
    for (PlacedObject& o : objects)
        if (!o.SkinRectInAPicture)
            o.ObjectRect = PlaceOnPicture(s, g, o.SkinRect);

    const bool buttonsEmpty = IsEmptyRect(g.NewButtons);
    if (buttonsEmpty && IsEmptyRect(g.NewCaption))
        return;
    const Rect ref = buttonsEmpty ? g.NewCaption : g.NewButtons;
    const int64_t gap = g.ButtonsOffset;
    const int32_t y = ref.Top;

    // The row: the first visible button of each command in a fixed order,
    // then every custom button in list order.
    std::vector<PlacedObject*> row;
    PlacedObject* sysMenu = nullptr;
    PlacedObject* caption = nullptr;
    for (PlacedObject& o : objects)
        if (o.Kind == FrameObjectKind::Caption && !caption)
            caption = &o;
    auto firstOf = [&](TlxStdCommand c) -> PlacedObject* {
        for (PlacedObject& o : objects)
            if (IsRowButton(o) && o.Command == c)
                return &o;
        return nullptr;
    };
    for (TlxStdCommand c : { TlxStdCommand::cmClose, TlxStdCommand::cmMaximize, TlxStdCommand::cmMinimize,
             TlxStdCommand::cmRollUp, TlxStdCommand::cmMinimizeToTray })
        if (PlacedObject* o = firstOf(c))
            row.push_back(o);
    for (PlacedObject& o : objects)
        if (IsRowButton(o) && o.Command == TlxStdCommand::cmDefault)
            row.push_back(&o);
    sysMenu = firstOf(TlxStdCommand::cmSysMenu);

    auto sizeOf = [&](const PlacedObject& o) {
        if (o.Command == TlxStdCommand::cmSysMenu && showIcon)
            return iconSize;
        return Point { o.SkinRect.Width(), o.SkinRect.Height() };
    };
    auto at = [](int64_t l, int64_t t, int64_t w, int64_t h) {
        return Rect { ShiftCoord(0, l), ShiftCoord(0, t), ShiftCoord(0, l + w), ShiftCoord(0, t + h) };
    };

    if (!g.ButtonsInLeft) {
        int64_t x = ref.Right;
        for (PlacedObject* o : row) {
            Point size = sizeOf(*o);
            o->ObjectRect = at(x - size.X, y, size.X, size.Y);
            x -= size.X + gap;
        }
        if (buttonsEmpty && caption)
            caption->ObjectRect.Right = ShiftCoord(0, x + gap);
        x = g.NewCaption.Left;
        if (sysMenu) {
            Point size = sizeOf(*sysMenu);
            int64_t top = int64_t(g.NewCaption.Top) + HeightOfRect(g.NewCaption) / 2 - size.Y / 2;
            sysMenu->ObjectRect = at(x, top, size.X, size.Y);
            x += size.X + gap;
            if (caption)
                caption->ObjectRect.Left = ShiftCoord(0, x - gap);
        }
    } else {
        if (buttonsEmpty && sysMenu)
            row.push_back(sysMenu);
        int64_t x = ref.Left;
        for (PlacedObject* o : row) {
            Point size = sizeOf(*o);
            o->ObjectRect = at(x, y, size.X, size.Y);
            x += size.X + gap;
        }
        if (buttonsEmpty && caption)
            caption->ObjectRect.Left = ShiftCoord(0, x + gap);
    }
}

DefaultCaptionLayout LayoutDefaultCaption(int32_t width, FrameBorderStyle style, const bool (&visible)[7],
    bool showIcon, Point iconSize)
{
    DefaultCaptionLayout l;
    const int32_t s = DefaultButtonSize(style);
    l.TextArea = Rect { DefaultBorderWidth, DefaultBorderWidth, ShiftCoord(width, -DefaultBorderWidth),
        DefaultCaptionHeight(style) };
    int64_t x = int64_t(width) - DefaultBorderWidth;
    for (TlxStdCommand c : { TlxStdCommand::cmClose, TlxStdCommand::cmMaximize, TlxStdCommand::cmMinimize,
             TlxStdCommand::cmRollUp, TlxStdCommand::cmMinimizeToTray }) {
        size_t i = size_t(c);
        if (!visible[i])
            continue;
        l.Buttons[i] = Rect { ShiftCoord(0, x - s), 4, ShiftCoord(0, x), 4 + s };
        l.Placed[i] = true;
        x -= s;
    }
    l.TextArea.Right = ShiftCoord(0, x);
    const size_t sys = size_t(TlxStdCommand::cmSysMenu);
    if (visible[sys]) {
        Point size = showIcon ? iconSize : Point { s, s };
        l.Buttons[sys] = Rect { 3, 4, ShiftCoord(3, size.X), ShiftCoord(4, size.Y) };
        l.Placed[sys] = true;
        l.TextArea.Left = ShiftCoord(3, size.X);
    }
    return l;
}

} // namespace ventro
