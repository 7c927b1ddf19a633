// The arithmetic of the skinned hint window: line separators, the window size
// from the text (and a title and an image) in the "HINTWINDOW" frame or the
// plain look, the moved frame geometry, placement near the screen's edges and
// where the title, the image and the text are painted.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Geometry.h"
#include "skin/data/SkinWindows.h"
#include "skin/gfx/SkinPieces.h"
#include "skin/gfx/TextPainter.h"

namespace ventro {

// Every occurrence of separator becomes a line feed followed by a carriage
// return. An empty separator separates nothing.
std::wstring ReplaceLineSeparator(std::wstring_view text, std::wstring_view separator);

struct HintLook {
    const TlxDataSkinHintWindow* Frame = nullptr; // null: the plain look
    int32_t PictureWidth = 0;
    int32_t PictureHeight = 0;
    bool Skinned() const { return Frame != nullptr; }
};

struct HintContent {
    Extent Text;      // the text's multi-line extent
    bool Rich = false; // the hint has a title or an image list
    bool HasTitle = false;
    Extent Title;     // measured in bold
    bool HasImage = false; // a valid image of the image list
    Extent Image;
};

struct HintGeometry {
    int32_t Width = 0;
    int32_t Height = 0;
    PieceGeometry Moved; // the frame's points and client rectangle moved to the size
};
HintGeometry ComputeHintGeometry(const HintLook& look, const HintContent& content);

// Moves the window left by its width + 2 when it passes the screen's right
// edge, and up by its height + 2 when it passes the bottom.
Point PlaceHint(Point topLeft, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight);

struct HintPaintLayout {
    Rect Title;       // empty without a title
    Point Image;      // meaningful with an image
    Rect Text;
};
HintPaintLayout LayoutHintPaint(const HintLook& look, const HintContent& content, const HintGeometry& geometry);

} // namespace ventro

namespace ventro {

// How far below its hot spot a monochrome cursor is drawn, from its mask:
// rows of `width` bits, the transparency (AND) half on top of the colour
// (XOR) half when hasColorPart (then height counts both halves). The lowest
// row of the AND half that is not all ones ends the drawn part; when the
// whole AND half is transparent the XOR half's lowest row that is not all
// zeros does. -1 when nothing is drawn at all.
int32_t CursorDrawnBottom(const uint8_t* bits, int32_t stride, int32_t width, int32_t height, bool hasColorPart);

} // namespace ventro
