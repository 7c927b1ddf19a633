// Fonts for windows, controls and drawing.
#include "platform/Font.h"

namespace ventro {

LOGFONTW LogFontFrom(const TFontDesc& desc)
{
    LOGFONTW lf {};
    lf.lfHeight = desc.Height;
    lf.lfWeight = desc.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = desc.Italic;
    lf.lfUnderline = desc.Underline;
    lf.lfStrikeOut = desc.StrikeOut;
    lf.lfCharSet = desc.Charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, desc.Name.c_str(), LF_FACESIZE);
    return lf;
}

FontHandle CreateFontFrom(const TFontDesc& desc)
{
    LOGFONTW lf = LogFontFrom(desc);
    return FontHandle(CreateFontIndirectW(&lf));
}

} // namespace ventro
