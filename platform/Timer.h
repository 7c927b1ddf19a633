// A timer component: raises OnTimer every Interval milliseconds while enabled.
// An enabled timer runs from its construction, or, when it is read, from the
// end of reading; all timers share the application's one hidden timer window
// (made by the first timer that runs).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/Component.h"

namespace ventro {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    // Starts counting when it goes from disabled to enabled.
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return m_interval; }
    // A new interval restarts the count; the same interval leaves it alone.
    // An interval of 0 stops the timer.
    void SetInterval(uint32_t milliseconds);
    // True while a platform timer is running (enabled, interval above 0).
    bool Running() const { return m_id != 0; }

    // May stop the timer or free it.
    std::function<void()> OnTimer;

    // Starts a timer that was read enabled.
    void Loaded() override;

private:
    void Update();
    void Tick();

    bool m_enabled = true;
    uint32_t m_interval = 1000;
    UINT_PTR m_id = 0;
};

} // namespace ventro
