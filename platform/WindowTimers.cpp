// The timers of one window.
#include "platform/WindowTimers.h"

namespace ventro {

bool TWindowTimers::Start(UINT_PTR id, UINT milliseconds)
{
    const HWND wnd = m_window ? m_window() : nullptr;
    if (!wnd)
        return false;
    auto it = m_running.find(id);
    if (it != m_running.end() && it->second != wnd)
        Stop(id);
    if (!SetTimer(wnd, id, milliseconds, nullptr))
        return false;
    m_running[id] = wnd;
    return true;
}

void TWindowTimers::Stop(UINT_PTR id)
{
    auto it = m_running.find(id);
    if (it == m_running.end())
        return;
    if (IsWindow(it->second))
        KillTimer(it->second, id);
    m_running.erase(it);
}

void TWindowTimers::StopAll()
{
    while (!m_running.empty())
        Stop(m_running.begin()->first);
}

} // namespace ventro
