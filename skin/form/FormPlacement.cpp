// The arithmetic of a skinned form's window states and moves.
#include "skin/form/FormPlacement.h"

#include <algorithm>
#include <cstdlib>

namespace ventro {

namespace {

bool Near(int64_t edge, int64_t areaEdge, int32_t size) { return std::llabs(edge - areaEdge) < size; }

// One edge: where the window's leading coordinate goes. `offset` is what the
// edge lies beyond the leading coordinate (0, or the width or height).
int32_t SnapEdge(bool near, bool& snapped, int32_t& anchor, int32_t position, int32_t areaEdge, int32_t offset,
    int32_t cursor, int32_t size)
{
    int32_t result = position;
    if (near && !snapped) {
        result = areaEdge - offset;
        anchor = cursor;
    } else if (snapped) {
        if (std::llabs(int64_t(cursor) - anchor) <= size)
            result = areaEdge - offset;
        else
            result = cursor + areaEdge - anchor - offset;
    }
    snapped = near;
    return result;
}

} // namespace

Rect MagneticSnap(MagneticState& st, Rect proposed, Rect area, Point cursor, int32_t size)
{
    const int32_t w = proposed.Width(), h = proposed.Height();
    int32_t left = proposed.Left, top = proposed.Top;
    left = SnapEdge(Near(left, area.Left, size), st.SnappedLeft, st.AnchorX, left, area.Left, 0, cursor.X, size);
    top = SnapEdge(Near(top, area.Top, size), st.SnappedTop, st.AnchorY, top, area.Top, 0, cursor.Y, size);
    left = SnapEdge(Near(int64_t(left) + w, area.Right, size), st.SnappedRight, st.AnchorX, left, area.Right, w,
        cursor.X, size);
    top = SnapEdge(Near(int64_t(top) + h, area.Bottom, size), st.SnappedBottom, st.AnchorY, top, area.Bottom, h,
        cursor.Y, size);
    return Rect { left, top, left + w, top + h };
}

Rect MaximizedRect(Rect workArea, Rect monitor, Rect screen, bool fullScreen)
{
    Rect r = fullScreen ? monitor : workArea;
    if (workArea.Width() == monitor.Width() && workArea.Height() == monitor.Height() && monitor == screen)
        r = Rect { r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1 };
    return r;
}

Point MinimizedPlace(Rect workArea, int32_t minWidth, int32_t minHeight, std::span<const Point> taken)
{
    Point p { workArea.Left, workArea.Bottom - minHeight };
    if (minWidth <= 0 || minHeight <= 0)
        return p;
    auto isTaken = [&](Point q) { return std::find(taken.begin(), taken.end(), q) != taken.end(); };
    while (isTaken(p)) {
        p.X += minWidth;
        if (int64_t(p.X) + minWidth > workArea.Right) {
            p.X = workArea.Left;
            p.Y -= minHeight;
            if (p.Y < workArea.Top)
                return Point { workArea.Left, workArea.Bottom - minHeight };
        }
    }
    return p;
}

Point CenteredPlace(Rect area, int32_t width, int32_t height)
{
    return Point { area.Left + area.Width() / 2 - width / 2, area.Top + area.Height() / 2 - height / 2 };
}

std::optional<Rect> CentringArea(TlxPositionInMonitor position, Rect monitor, Rect workArea)
{
    switch (position) {
    case TlxPositionInMonitor::lxpScreenCenter: return monitor;
    case TlxPositionInMonitor::lxpDesktopCenter: return workArea;
    default: return std::nullopt;
    }
}

int32_t NudgeDirection(int32_t width, int32_t minWidth) { return width - 1 < minWidth ? 1 : -1; }

SkinSizeFix FixSizeForSkin(int32_t width, int32_t height, int32_t minWidth, int32_t minHeight)
{
    SkinSizeFix fix { width, height };
    if (width < minWidth && height < minHeight) {
        fix.Width = minWidth;
        fix.Height = minHeight;
    } else if (height < minHeight) {
        fix.Height = minHeight;
    } else if (width < minWidth) {
        fix.Width = minWidth;
    } else {
        fix.Nudge = true;
        fix.NudgeDelta = NudgeDirection(width, minWidth);
    }
    return fix;
}

bool RollUpAllowed(const RollUpContext& c)
{
    if (!c.HasRollUp || c.Minimized)
        return false;
    return !(c.Maximized && c.RolledUp && c.RolledUpBeforeMaximize);
}

RollDownSize RollDownHeight(int32_t clientHeightProperty, int32_t storedHeight)
{
    if (clientHeightProperty != 0)
        return { true, clientHeightProperty };
    return { false, storedHeight };
}

} // namespace ventro
