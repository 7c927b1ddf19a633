// The arithmetic of a skinned form's window states and moves: magnetic
// snapping to the work area, the maximized and minimized places, centring on
// first show, the size fix-ups after a skin is applied and roll-up.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/Geometry.h"
#include "skin/form/FrameTypes.h"

namespace ventro {

// Magnetic snapping state, kept between the moves of one drag.
struct MagneticState {
    bool SnappedLeft = false, SnappedTop = false, SnappedRight = false, SnappedBottom = false;
    int32_t AnchorX = -1, AnchorY = -1;
    void Clear() { SnappedLeft = SnappedTop = SnappedRight = SnappedBottom = false; }
};

// One WM_MOVING step: the proposed window rectangle snapped to the area's
// edges within `size` pixels; `cursor` is the pointer's screen position.
Rect MagneticSnap(MagneticState& state, Rect proposed, Rect area, Point cursor, int32_t size);

// The maximized rectangle: the monitor (full screen) or its work area; a work
// area that is the whole monitor, when the monitor is the whole screen,
// leaves 1 pixel on every side so that an auto-hidden taskbar can come out.
Rect MaximizedRect(Rect workArea, Rect monitor, Rect screen, bool fullScreen);

// The place of a minimized form that is not the main form: along the work
// area's bottom from the left, one minimum size each, skipping places that
// other minimized forms hold; rows go upward and wrap to the first row.
Point MinimizedPlace(Rect workArea, int32_t minWidth, int32_t minHeight, std::span<const Point> taken);

enum class TlxPositionInMonitor { lxpDefault, lxpScreenCenter, lxpDesktopCenter };

// The top-left that centres a window of `size` in `area` (div 2 as integers).
Point CenteredPlace(Rect area, int32_t width, int32_t height);
// The area a first show or first restore centres in: the monitor for
// lxpScreenCenter, the work area for lxpDesktopCenter, none for lxpDefault.
std::optional<Rect> CentringArea(TlxPositionInMonitor position, Rect monitor, Rect workArea);

// What applying a skin does to the form's size.
struct SkinSizeFix {
    int32_t Width = 0, Height = 0;
    bool Nudge = false;     // change the width by NudgeDelta and back
    int32_t NudgeDelta = 0; // +1 or -1
};
SkinSizeFix FixSizeForSkin(int32_t width, int32_t height, int32_t minWidth, int32_t minHeight);
// The width nudge's direction: up when width - 1 would be below the minimum.
int32_t NudgeDirection(int32_t width, int32_t minWidth);

// Roll-up: whether a request is heeded, and the height rolling down goes back to.
struct RollUpContext {
    bool HasRollUp = false;      // biRollUp
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    bool RolledUpBeforeMaximize = false; // remembered when it was maximized
};
bool RollUpAllowed(const RollUpContext& c);
// Rolling down: the client height ClientHeight when not 0 (returned as a
// client height), else the stored outer height.
struct RollDownSize {
    bool IsClientHeight = false;
    int32_t Height = 0;
};
RollDownSize RollDownHeight(int32_t clientHeightProperty, int32_t storedHeight);

} // namespace ventro
