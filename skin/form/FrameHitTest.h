// The non-client hit tests of a skinned window and of the fallback frame, as
// pure functions of the geometry, the shape and the window's state.
#pragma once
#include <cstdint>
#include <span>

#include "base/Geometry.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/FrameShape.h"
#include "skin/form/FrameTypes.h"

namespace ventro {

struct HitTestState {
    FrameWindowState Window;
    bool Resizable = false;  // AlwaysResize, or a sizeable border style
    bool ObjectHot = false;  // a skin object is hot
    bool InSizeMove = false; // a size-or-move loop is running
};

// p is in window coordinates; captionRects are the caption objects'
// rectangles, buttonRects those of the other visible, enabled objects. A point
// on such an object is not on the caption even where a caption spans it, so
// that buttons laid over a caption stay buttons.
int32_t SkinHitTest(const FrameSkinInfo& skin, const TFrameGeometry& g, const FrameShape& shape,
    std::span<const Rect> captionRects, Point p, const HitTestState& state, std::span<const Rect> buttonRects = {});

// The fallback frame's hit test; captionTextArea comes from LayoutDefaultCaption.
int32_t DefaultHitTest(int32_t width, int32_t height, FrameBorderStyle style, Rect captionTextArea, Point p,
    const HitTestState& state);

} // namespace ventro
