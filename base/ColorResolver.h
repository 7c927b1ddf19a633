// Turning colours that may name a system colour into plain ones: the interface
// every drawing takes, and the classic system colours for builds and tests
// without the platform.
#pragma once
#include "base/Color.h"

namespace ventro {

class IColorResolver {
public:
    virtual ~IColorResolver() = default;
    // A plain 0x00BBGGRR colour; a plain colour comes back without its top byte.
    virtual Color Resolve(Color c) const = 0;
};

class ClassicColors : public IColorResolver {
public:
    Color Resolve(Color c) const override
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
};

} // namespace ventro
