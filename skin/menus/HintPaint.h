// Drawing the skinned hint window into a pixel buffer: the "HINTWINDOW"
// frame or the plain tooltip look, the bold title, the image and the text.
#pragma once
#include <string>

#include "skin/menus/HintLayout.h"
#include "skin/menus/MenuPaint.h"

namespace ventro {

struct HintPaintInput {
    HintLook Look;
    PixelView Picture;          // the hint frame's window picture
    HintContent Content;
    HintGeometry Geometry;
    std::wstring Text;          // with its line breaks
    std::wstring Title;
    TextFont Font;
    ITextPainter* Painter = nullptr;
    const IColorResolver* Colors = nullptr;
    const MenuImageSource* Images = nullptr;
    int ImageIndex = -1;
};

void PaintHint(const HintPaintInput& in, PixelBuffer& out);

} // namespace ventro
