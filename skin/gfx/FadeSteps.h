// The arithmetic of fading a window in: the alpha a skin form's fade ends at,
// and the step every fade-in of the skin engine takes.
#pragma once
#include <cstdint>

namespace ventro {

// 255 when only the animation is asked for, else the form's alpha value.
uint8_t FadeTarget(bool alphaBlend, bool animation, uint8_t value);
// One step: `by` more (10 unless said), capped at the target.
uint8_t NextFadeAlpha(uint8_t alpha, uint8_t target, uint8_t by = 10);

// A fade that steps by elapsed time takes one step of `by` for every `stepMs`
// milliseconds, however often its timer ticks (the platform may tick every
// 15.6 ms). From `elapsedMs` since the last step it gives the steps due and
// the milliseconds they used; the rest counts toward the next step.
struct DueFadeSteps {
    uint32_t Steps = 0;
    uint32_t UsedMs = 0;
};
DueFadeSteps FadeStepsDue(uint32_t elapsedMs, uint32_t stepMs);
// `steps` steps of `by` at once, capped at the target.
uint8_t FadeAlphaAfterSteps(uint8_t alpha, uint8_t target, uint8_t by, uint32_t steps);

} // namespace ventro
