// The one resolver of colours for every drawing of the program: a colour that
// names a system colour (0xFF000000 plus the index) becomes the platform's
// current value of it; any other colour is itself.
#pragma once
#include <windows.h>

#include "base/Color.h"

namespace ventro {

COLORREF ColorToRGB(Color c);
// The same as a Color (0x00BBGGRR).
inline Color ResolveSystemColor(Color c) { return Color(ColorToRGB(c)); }

} // namespace ventro
