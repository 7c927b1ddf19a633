// What skin objects draw on: a pixel surface placed in window coordinates,
// and a small text-drawing interface (the platform's text drawing on a memory
// device context, or a stand-in in tests).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/ColorResolver.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/data/SkinValues.h"

namespace ventro {

struct TextFont {
    std::string Name = "Arial"; // ANSI, as skins write it
    int32_t Height = 14;        // positive: cell height; negative: character height
    TFontStyles Style;
    int32_t CharSet = 1;        // the default character set
    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// Draws text straight onto 24-bit pixels with a transparent background.
class ITextPainter {
public:
    virtual ~ITextPainter() = default;
    virtual void SetFont(const TextFont& font) = 0;
    // The size the platform's text drawing calculates for an empty starting rectangle.
    virtual Point Measure(std::wstring_view text) = 0;
    // One line, vertically centred in r (clipped to it), in a plain colour.
    virtual void Draw(PixelView target, Rect r, std::wstring_view text, Color color) = 0;
};

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
