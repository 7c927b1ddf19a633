// The one resolver of colours for every drawing of the program: a colour that
// names a system colour (0xFF000000 plus the index) becomes the platform's
// current value of it; any other colour is itself.
#pragma once
#include <windows.h>

#include "base/Color.h"
#include "base/ColorResolver.h"

namespace ventro {

COLORREF ColorToRGB(Color c);
// The same as a Color (0x00BBGGRR).
inline Color ResolveSystemColor(Color c) { return Color(ColorToRGB(c)); }

// The same behind the interface the frame and the menus draw with.
class SystemColors : public IColorResolver {
public:
    Color Resolve(Color c) const override { return ResolveSystemColor(c); }
};
const IColorResolver& SystemColorResolver();

} // namespace ventro
