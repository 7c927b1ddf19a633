// The timers of one window (WM_TIMER with our identifiers): the owner starts
// and stops them by identifier, and every timer still running stops when the
// owner goes. A window that is destroyed takes its timers with it; the owner
// is told (WindowGone) so that it does not count them any longer.
#pragma once
#include <windows.h>

#include <functional>
#include <map>

namespace ventro {

class TWindowTimers {
public:
    // `window` names the window timers start on (null: none starts).
    explicit TWindowTimers(std::function<HWND()> window) : m_window(std::move(window)) { }
    ~TWindowTimers() { StopAll(); }
    TWindowTimers(const TWindowTimers&) = delete;
    TWindowTimers& operator=(const TWindowTimers&) = delete;

    // Starts (or restarts with a new interval) timer `id`; false when there is no window.
    bool Start(UINT_PTR id, UINT milliseconds);
    void Stop(UINT_PTR id);
    void StopAll();
    // The window is being destroyed: its timers end with it.
    void WindowGone() { m_running.clear(); }
    bool Running(UINT_PTR id) const { return m_running.count(id) != 0; }
    int Count() const { return int(m_running.size()); }

private:
    std::function<HWND()> m_window;
    std::map<UINT_PTR, HWND> m_running; // each timer with the window it runs on
};

} // namespace ventro
