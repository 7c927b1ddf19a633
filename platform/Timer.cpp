// Timers on a hidden window of their own.
#include "platform/Timer.h"

#include "platform/Application.h"

namespace ventro {

TTimer::TTimer(TComponent* owner)
    : TComponent(owner)
{
    m_window = std::make_unique<MessageWindow>([this](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_TIMER)
            return false;
        if (m_running && OnTimer)
            Application().Guard(OnTimer);
        result = 0;
        return true;
    });
}

TTimer::~TTimer()
{
    if (m_running)
        KillTimer(m_window->Handle(), 1);
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

void TTimer::Update()
{
    if (m_running)
        KillTimer(m_window->Handle(), 1);
    m_running = m_enabled && m_interval > 0;
    if (m_running)
        SetTimer(m_window->Handle(), 1, m_interval, nullptr);
}

} // namespace ventro
