// A window fading in on one of its own timers.
#include "skin/gfx/WinFadeIn.h"

#include "skin/gfx/FadeSteps.h"

namespace ventro {

bool TFadeIn::Start(uint8_t target, UINT interval, StepRule step, ShowStep show)
{
    m_alpha = 0;
    m_target = target;
    m_step = std::move(step);
    m_show = std::move(show);
    return m_timers.Start(m_timerId, interval);
}

bool TFadeIn::Tick(UINT_PTR id)
{
    if (id != m_timerId || !Running())
        return id == m_timerId;
    const uint8_t next = m_step(m_alpha, m_target);
    const bool changed = next != m_alpha;
    m_alpha = next;
    const bool last = m_alpha >= m_target;
    if (last)
        Stop();
    if (changed)
        m_show(m_alpha, last);
    return true;
}

TFadeIn::StepRule FadeStepEachTick(uint8_t by)
{
    return [by](uint8_t alpha, uint8_t target) { return NextFadeAlpha(alpha, target, by); };
}

TFadeIn::StepRule FadeStepPer(DWORD ms, uint8_t by)
{
    return [ms, by, last = GetTickCount()](uint8_t alpha, uint8_t target) mutable {
        const DueFadeSteps due = FadeStepsDue(GetTickCount() - last, ms);
        last += due.UsedMs;
        return FadeAlphaAfterSteps(alpha, target, by, due.Steps);
    };
}

} // namespace ventro
