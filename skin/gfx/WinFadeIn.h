// A window fading in on one of its own timers. Each tick the step rule gives
// the next alpha (the same one to wait for a later tick) and the fade shows
// it, until the target is reached. The form, the popup menus and the hint
// each fade with their own rule.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/WindowTimers.h"

namespace ventro {

class TFadeIn {
public:
    using StepRule = std::function<uint8_t(uint8_t alpha, uint8_t target)>;
    // Shows one step; `last` is true for the step that reaches the target.
    using ShowStep = std::function<void(uint8_t alpha, bool last)>;

    TFadeIn(TWindowTimers& timers, UINT_PTR timerId) : m_timers(timers), m_timerId(timerId) { }

    // Starts from alpha 0; false when the timer could not start.
    bool Start(uint8_t target, UINT interval, StepRule step, ShowStep show);
    void Stop() { m_timers.Stop(m_timerId); }
    bool Running() const { return m_timers.Running(m_timerId); }
    // Takes a WM_TIMER: true when `id` is the fade's timer.
    bool Tick(UINT_PTR id);
    uint8_t Alpha() const { return m_alpha; }

private:
    TWindowTimers& m_timers;
    UINT_PTR m_timerId;
    uint8_t m_alpha = 0;
    uint8_t m_target = 255;
    StepRule m_step;
    ShowStep m_show;
};

// `by` more on every tick, capped at the target.
TFadeIn::StepRule FadeStepEachTick(uint8_t by);
// `by` more for every `ms` milliseconds that have passed since the start, as a
// loop that polls the clock would step, whatever the timer's real tick;
// capped at the target.
TFadeIn::StepRule FadeStepPer(DWORD ms, uint8_t by);

} // namespace ventro
