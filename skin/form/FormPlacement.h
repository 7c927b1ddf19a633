// The arithmetic of a skinned form's window states and moves: magnetic
// snapping to the work area, the maximized and minimized places, centring on
// first show, the size fix-ups after a skin is applied, roll-up, the default
// system menu's items, the caption double click and the fade-in steps.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
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

// The default system menu's items for the form's state, in order.
enum class SysMenuAction { Minimize, MinimizeToTray, Maximize, Restore, RollDown, RollUp, Separator, Close };
struct SysMenuItemInfo {
    std::string Name;        // "LSF_MINITEM", ... ; "-" for the separator
    std::string CaptionKey;  // the resource string key, "MI_MINCAPTION", ...
    std::wstring Caption;    // the built-in caption
    std::wstring ShortCut;
    SysMenuAction Action = SysMenuAction::Close;
};
struct SysMenuState {
    TlxBorderIcons Icons;
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    bool RolledUpWhileMaximized = false;
    bool AlwaysMinimizeToTray = false;
    bool MDIChild = false;
};
std::vector<SysMenuItemInfo> DefaultSystemMenuItems(const SysMenuState& s);
// The items put into an application's own system menu: minimize, restore,
// maximize, roll-up and minimize-to-tray go before its items (the first
// list), close after them (the second); no separator.
std::pair<std::vector<SysMenuItemInfo>, std::vector<SysMenuItemInfo>> ApplicationSystemMenuItems(const SysMenuState& s);
// The item names the default items use, which an application's menu loses first.
bool IsDefaultSystemMenuItemName(std::string_view name);

// A double click on the caption.
enum class CaptionDblClickAction { Restore, Maximize, ToggleRollUp };
struct CaptionDblClickContext {
    bool Resizable = false;
    bool Minimized = false;
    bool Maximized = false;
    bool RolledUp = false;
    bool RolledUpWhileMaximized = false;
    bool HasMaximize = false;
};
CaptionDblClickAction CaptionDoubleClick(const CaptionDblClickContext& c);

// Transparency: the alpha a fade-in ends at, and one step of it.
uint8_t FadeTarget(bool alphaBlend, bool animation, uint8_t value);
uint8_t NextFadeAlpha(uint8_t alpha, uint8_t target);

// The hot object for a point: the first enabled, visible object containing
// it; -1 for none, when not allowed, or when another object is pressed.
struct ObjectHitInfo {
    Rect Bounds;
    bool Enabled = true;
    bool Visible = true;
};
int32_t FindHotObject(std::span<const ObjectHitInfo> objects, Point p, bool allow, int32_t pressed);

// WM_SETCURSOR with the form's cursor over the frame: every hit code but the
// client and the sizing borders becomes the client's.
int32_t FormCursorHitCode(int32_t code);

} // namespace ventro
