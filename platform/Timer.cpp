// Timers on the application's timer window.
#include "platform/Timer.h"

#include "platform/Application.h"

#include <utility>

namespace ventro {

TTimer::TTimer(TComponent* owner)
    : TComponent(owner)
{
    Update();
}

TTimer::~TTimer()
{
    if (m_id)
        Application().StopTimer(m_id);
}

void TTimer::SetEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    Update();
}

void TTimer::SetInterval(uint32_t milliseconds)
{
    if (m_interval == milliseconds)
        return;
    m_interval = milliseconds;
    Update();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    Update();
}

void TTimer::Update()
{
    // While read, the stored Enabled and Interval are only noted: a timer
    // read as disabled never makes the timer window.
    if (IsReading())
        return;
    if (m_id)
        Application().StopTimer(std::exchange(m_id, 0));
    if (m_enabled && m_interval > 0)
        m_id = Application().StartTimer(m_interval, [this] { Tick(); });
}

void TTimer::Tick()
{
    // A copy: the handler may free this timer, and with it OnTimer.
    std::function<void()> handler = OnTimer;
    if (handler)
        handler();
}

} // namespace ventro
