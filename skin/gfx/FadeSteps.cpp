// The arithmetic of fading a window in.
#include "skin/gfx/FadeSteps.h"

#include <algorithm>

namespace ventro {

uint8_t FadeTarget(bool alphaBlend, bool animation, uint8_t value) { return animation && !alphaBlend ? 255 : value; }

uint8_t NextFadeAlpha(uint8_t alpha, uint8_t target, uint8_t by)
{
    return uint8_t(std::min<int>(alpha + by, target));
}

} // namespace ventro
