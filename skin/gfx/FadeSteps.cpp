// The arithmetic of fading a window in.
#include "skin/gfx/FadeSteps.h"

#include <algorithm>

namespace ventro {

uint8_t FadeTarget(bool alphaBlend, bool animation, uint8_t value) { return animation && !alphaBlend ? 255 : value; }

uint8_t NextFadeAlpha(uint8_t alpha, uint8_t target, uint8_t by)
{
    return uint8_t(std::min<int>(alpha + by, target));
}

DueFadeSteps FadeStepsDue(uint32_t elapsedMs, uint32_t stepMs)
{
    if (stepMs == 0)
        return { 1, elapsedMs };
    const uint32_t steps = elapsedMs / stepMs;
    return { steps, steps * stepMs };
}

uint8_t FadeAlphaAfterSteps(uint8_t alpha, uint8_t target, uint8_t by, uint32_t steps)
{
    if (alpha >= target)
        return alpha;
    const uint64_t next = uint64_t(alpha) + uint64_t(by) * steps;
    return uint8_t(std::min<uint64_t>(next, target));
}

} // namespace ventro
