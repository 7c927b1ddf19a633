// Frame geometry of a skinned window: the skin's pieces moved for the window
// size, the client rectangle rule, minimum and maximum sizes, where the skin
// objects lie, and the fallback caption's layout.
#pragma once
#include <cstdint>
#include <span>

#include "base/Geometry.h"
#include "skin/data/SkinValues.h"
#include "skin/form/FrameSkin.h"
#include "skin/form/FrameTypes.h"

namespace ventro {

struct TFrameGeometry {
    int32_t Width = 0, Height = 0; // W x H, the window's outer size
    Point NewLT, NewRT, NewLB, NewRB;
    Rect NewC;
    Rect NewCaption;
    Rect NewButtons;
    Rect NewMask;
    Point HitLT, HitRT, HitLB, HitRB;
    int32_t ButtonsOffset = 0;
    bool ButtonsInLeft = false;

    PieceGeometry Moved() const { return PieceGeometry { NewLT, NewRT, NewLB, NewRB, NewC }; }
};

// Coordinates that would leave 32 bits stop at the limit instead of wrapping.
int32_t ShiftCoord(int32_t v, int64_t d);

TFrameGeometry CalcFrameGeometry(const FrameSkinInfo& skin, int32_t width, int32_t height);

// The client rectangle for a proposed window rectangle: the frame keeps the
// picture's border thicknesses, or the fallback frame's 3 pixels and caption.
Rect SkinClientRect(const FrameSkinInfo& skin, Rect proposed);
Rect DefaultClientRect(FrameBorderStyle style, Rect proposed);

// The form's size limits (0 = none) and its maximizing rule.
struct FormSizeLimits {
    int32_t MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    bool MaximizeOnFullScreen = false;
};

// skin is nullptr while no skin is loaded.
int32_t GetMinWidth(const FrameSkinInfo* skin, const FormSizeLimits& limits, const FrameWindowState& state);
int32_t GetMinHeight(const FrameSkinInfo* skin, FrameBorderStyle style, const FormSizeLimits& limits,
    const FrameWindowState& state);
// The work area and the whole monitor of the window come in as values.
int32_t GetMaxWidth(const FormSizeLimits& limits, Rect workArea, Rect monitor);
int32_t GetMaxHeight(const FormSizeLimits& limits, Rect workArea, Rect monitor);

// One skin object as the layout sees it.
enum class FrameObjectKind { Caption, StdButton, Button, Animate, User };
struct PlacedObject {
    FrameObjectKind Kind = FrameObjectKind::User;
    TlxStdCommand Command = TlxStdCommand::cmDefault;
    bool SkinRectInAPicture = false;
    bool Visible = true;
    Rect SkinRect;
    Rect ObjectRect; // set by PlaceObjects
};

// Sets every object's rectangle for the geometry. iconSize is the size the
// system-menu button takes while showIcon is set.
void PlaceObjects(const FrameSkinInfo& skin, const TFrameGeometry& g, std::span<PlacedObject> objects,
    bool showIcon, Point iconSize);

// The fallback caption: the text area and the buttons' rectangles.
struct DefaultCaptionLayout {
    Rect TextArea;
    // Indexed by command: close, maximize, minimize, system menu, (custom), roll-up, tray.
    Rect Buttons[7] = {};
    bool Placed[7] = {};
};
// visible[c] says whether the button of command c is visible.
DefaultCaptionLayout LayoutDefaultCaption(int32_t width, FrameBorderStyle style, const bool (&visible)[7],
    bool showIcon, Point iconSize);

} // namespace ventro
