// What the pointer means on a skinned frame: the hot object under a point,
// the action of a double click on the caption, and the hit code WM_SETCURSOR
// sees with the form's cursor over the frame.
#pragma once
#include <cstdint>
#include <span>

#include "base/Geometry.h"
#include "skin/form/FrameTypes.h"

namespace ventro {

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
