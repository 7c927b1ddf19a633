// The classic system colours.
#include "skin/form/FrameCanvas.h"

namespace ventro {

Color ClassicColors::Resolve(Color c) const
{
    if (!IsSystemColor(c))
        return c & 0xFFFFFF;
    switch (c & 0xFF) {
    case 0x05: return Rgb(255, 255, 255); // window
    case 0x08: return Rgb(0, 0, 0);       // window text
    case 0x0F: return Rgb(212, 208, 200); // button face
    case 0x10: return Rgb(128, 128, 128); // button shadow
    case 0x12: return Rgb(0, 0, 0);       // button text
    case 0x14: return Rgb(255, 255, 255); // button highlight
    case 0x15: return Rgb(64, 64, 64);    // 3D dark shadow
    case 0x16: return Rgb(212, 208, 200); // 3D light
    default: return Rgb(192, 192, 192);
    }
}

} // namespace ventro
