// GDI fonts for the skin's font records (face, height, styles, character
// set), made the way the platform makes every other font.
#pragma once
#include <string>

#include "platform/Font.h"
#include "skin/data/SkinValues.h"

namespace ventro {

// Height as the records give it: negative, the character height in pixels;
// positive, the cell height.
inline FontHandle CreateSkinFont(const std::wstring& face, int height, TFontStyles style, int charSet)
{
    TFontDesc desc;
    desc.Name = face;
    desc.Height = height;
    desc.Charset = BYTE(charSet);
    desc.Bold = style.Has(TFontStyles::fsBold);
    desc.Italic = style.Has(TFontStyles::fsItalic);
    desc.Underline = style.Has(TFontStyles::fsUnderline);
    desc.StrikeOut = style.Has(TFontStyles::fsStrikeOut);
    return CreateFontFrom(desc);
}

} // namespace ventro
