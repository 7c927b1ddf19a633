// The one text-drawing interface of the skin engine: the frame's captions,
// the menus and the hints measure and draw text through it, with fonts as the
// skin records name them. The platform side draws with the platform's text
// drawing (GdiTextPainter); tests draw boxes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/data/SkinValues.h"

namespace ventro {

// A font as skins write it. The face name is text in the system's ANSI code
// page, as the skin's bytes hold it; the painter converts it once, when it
// makes the platform font.
struct TextFont {
    std::string Name = "Arial";
    int32_t Height = 14; // positive: cell height; negative: character height
    TFontStyles Style;
    int32_t CharSet = 1; // the default character set
    friend bool operator==(const TextFont&, const TextFont&) = default;
    friend auto operator<=>(const TextFont& a, const TextFont& b)
    {
        if (auto c = a.Name <=> b.Name; c != 0)
            return c;
        if (auto c = a.Height <=> b.Height; c != 0)
            return c;
        if (auto c = a.Style.Bits <=> b.Style.Bits; c != 0)
            return c;
        return a.CharSet <=> b.CharSet;
    }
};

struct Extent {
    int32_t Width = 0;
    int32_t Height = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// Text format flags. Without TextNoPrefix, "&" marks an underlined accelerator.
enum TextFlags : uint32_t {
    TextLeft = 0,
    TextCenter = 1,
    TextRight = 2,
    TextVCenter = 4,
    TextSingleLine = 8,
    TextRtlReading = 16,
    TextMultiLine = 32, // the hint's texts
    TextNoPrefix = 64,
};
// A caption: one line, vertically centred, "&" shown as itself.
constexpr uint32_t TextCaptionLine = TextSingleLine | TextVCenter | TextNoPrefix;

class ITextPainter {
public:
    virtual ~ITextPainter() = default;
    // The size the platform's text drawing calculates for an empty starting rectangle.
    virtual Extent Measure(const TextFont& font, std::wstring_view text, uint32_t flags) = 0;
    // Draws with a transparent background, clipped to r and to the target.
    virtual void Draw(PixelView target, const TextFont& font, std::wstring_view text, Rect r, Color color,
        uint32_t flags) = 0;
};

} // namespace ventro
