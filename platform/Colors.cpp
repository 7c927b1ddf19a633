// System colour resolution.
#include "platform/Colors.h"

namespace ventro {

COLORREF ColorToRGB(Color c)
{
    if (IsSystemColor(c))
        return GetSysColor(int(c & 0xFF));
    return COLORREF(c & 0x00FFFFFF);
}

const IColorResolver& SystemColorResolver()
{
    static const SystemColors colors;
    return colors;
}

} // namespace ventro
