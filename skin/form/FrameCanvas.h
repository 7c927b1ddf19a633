// What skin objects draw on: a pixel surface placed in window coordinates,
// with the text painter that draws their texts.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/ColorResolver.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/gfx/TextPainter.h"

namespace ventro {

// A surface whose pixel (0, 0) lies at Origin in window coordinates.
struct FrameCanvas {
    PixelView Pixels;
    Point Origin;
    ITextPainter* Text = nullptr;

    Rect ToLocal(Rect r) const
    {
        auto at = [](int32_t v, int32_t o) {
            int64_t d = int64_t(v) - o;
            return int32_t(d < INT32_MIN ? INT32_MIN : d > INT32_MAX ? INT32_MAX : d);
        };
        return Rect { at(r.Left, Origin.X), at(r.Top, Origin.Y), at(r.Right, Origin.X), at(r.Bottom, Origin.Y) };
    }
};

} // namespace ventro
