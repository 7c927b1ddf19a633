// Fonts and colours for windows and controls.
#include "platform/Font.h"

namespace ventro {

FontHandle CreateFontFrom(const TFontDesc& desc)
{
    LOGFONTW lf {};
    lf.lfHeight = desc.Height;
    lf.lfWeight = desc.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = desc.Charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, desc.Name.c_str(), LF_FACESIZE);
    return FontHandle(CreateFontIndirectW(&lf));
}

COLORREF ColorToRGB(Color c)
{
    if (IsSystemColor(c))
        return GetSysColor(int(c & 0xFF));
    return COLORREF(c & 0x00FFFFFF);
}

} // namespace ventro
