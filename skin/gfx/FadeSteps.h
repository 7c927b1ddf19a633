// The arithmetic of fading a window in: the alpha a skin form's fade ends at,
// and the step every fade-in of the skin engine takes.
#pragma once
#include <cstdint>

namespace ventro {

// 255 when only the animation is asked for, else the form's alpha value.
uint8_t FadeTarget(bool alphaBlend, bool animation, uint8_t value);
// One step: `by` more (10 unless said), capped at the target.
uint8_t NextFadeAlpha(uint8_t alpha, uint8_t target, uint8_t by = 10);

} // namespace ventro
