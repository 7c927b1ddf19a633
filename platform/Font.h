// Font descriptions as window definitions give them, and the fonts made from
// them. Height follows the definitions' convention: negative, the character
// height in pixels; positive, the cell height (character plus internal leading).
#pragma once
#include <windows.h>

#include <string>

#include "base/Color.h"
#include "platform/Colors.h"
#include "platform/Handles.h"

namespace ventro {

struct TFontDesc {
    std::wstring Name = L"MS Sans Serif";
    int Height = -11;
    BYTE Charset = DEFAULT_CHARSET;
    bool Bold = false;
    Color FontColor = ClWindowText;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};

LOGFONTW LogFontFrom(const TFontDesc& desc);
FontHandle CreateFontFrom(const TFontDesc& desc);

} // namespace ventro
