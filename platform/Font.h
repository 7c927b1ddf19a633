// Font descriptions as window definitions give them, and the fonts made from them.
#pragma once
#include <windows.h>

#include <string>

#include "base/Color.h"
#include "platform/Handles.h"

namespace ventro {

struct TFontDesc {
    std::wstring Name = L"MS Sans Serif";
    int Height = -11;           // negative: character height in pixels
    BYTE Charset = DEFAULT_CHARSET;
    bool Bold = false;
    Color FontColor = ClWindowText;

    friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};

FontHandle CreateFontFrom(const TFontDesc& desc);

// Resolves a colour that may name a system colour.
COLORREF ColorToRGB(Color c);

} // namespace ventro
