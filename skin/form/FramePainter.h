// Composing a frame as four band pictures (the skinned frame with its objects
// and inactive look, or the fallback frame with its striped caption, text,
// buttons and 3D edges) and the client background, ready for four blits.
#pragma once
#include <cstdint>

#include "base/Geometry.h"
#include "base/PixelBuffer.h"
#include "skin/form/FrameCanvas.h"
#include "skin/form/SkinFrame.h"
#include "skin/gfx/SkinPieces.h"

namespace ventro {

// The four bands and where each goes in the window.
struct FrameImage {
    FrameBands Bands;
    Point TopAt, BottomAt, LeftAt, RightAt;
};

// The skinned frame for the window's state (active or not, from the form).
// False when the window is below its minimum size: nothing is painted.
bool ComposeSkinFrame(TSkinFrame& frame, ITextPainter& text, FrameImage& out);

// The fallback caption's fonts: DefCaptionFont and DefInActiveCaptionFont.
struct DefaultCaptionFonts {
    TextFont Active { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 };
    TextFont Inactive { "Arial", 14, TFontStyles { TFontStyles::fsBold }, 1 };
    Color ActiveColor = ClBtnText;
    Color InactiveColor = ClBtnShadow;
};
void ComposeDefaultFrame(TSkinFrame& frame, ITextPainter& text, const DefaultCaptionFonts& fonts, FrameImage& out);

// The client background at the client's size: the skin's tile, stretched or
// repeated, or the button face; then the logo centred.
void ComposeClientBackground(const TSkinFrame& frame, PixelView client, const IColorResolver& colors,
    PixelView logo = {}, bool logoTransparent = false);

// Copies the bands to their places in a window-sized picture.
void PlaceFrameImage(const FrameImage& image, PixelView window);

} // namespace ventro
